// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelview/ModelPreviewDialog.h"

#include <QDialogButtonBox>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "modelview/ModelInfoPanel.h"
#include "modelview/ModelView.h"

namespace kelvarin {

namespace {

// A view that has not drawn by then never will: the window is there, blank or not.
constexpr int kFirstFrameWaitMs = 2000;

}  // namespace

ModelPreviewDialog::ModelPreviewDialog(TriangleMesh mesh, QWidget* parent)
    : QDialog(parent),
      view_(new ModelView(this)),
      info_(new ModelInfoPanel(this)),
      hint_(new QLabel(this)) {
    setWindowTitle(tr("Модель винта"));
    setObjectName(QStringLiteral("ModelPreview"));
    view_->setObjectName(QStringLiteral("ModelView"));
    view_->setMesh(std::move(mesh));

    hint_->setText(
        tr("Чтобы повернуть модель, тяните её мышью; колесо мыши приближает и удаляет."));
    hint_->setWordWrap(true);
    connect(view_, &ModelView::renderingFailed, hint_, &QLabel::setText);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(view_, 1);
    row->addWidget(info_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addWidget(hint_);
    layout->addWidget(buttons);
    resize(900, 640);
}

void ModelPreviewDialog::showFirstFrame() {
    QEventLoop waiting;
    connect(view_, &QOpenGLWidget::frameSwapped, &waiting, &QEventLoop::quit);
    connect(view_, &ModelView::renderingFailed, &waiting, &QEventLoop::quit);
    QTimer::singleShot(kFirstFrameWaitMs, &waiting, &QEventLoop::quit);
    show();
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kelvarin
