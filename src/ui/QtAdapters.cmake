# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt side of the drawing seams: a QPainter canvas and the system's default printer.
add_library(kelvarin_qt_adapters STATIC
    ${CMAKE_CURRENT_LIST_DIR}/QtCanvas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtPrinter.cpp
)
target_include_directories(kelvarin_qt_adapters PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(kelvarin_qt_adapters PUBLIC kelvarin_drawing Qt6::Gui Qt6::PrintSupport)
