<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>kelvarin::AboutDialog</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Программа расчет параметров воздушного винта</source>
        <translation>Air propeller calculator</translation>
    </message>
    <message>
        <source>Версия  %1            январь 2009 года</source>
        <translation>Version  %1            January 2009</translation>
    </message>
    <message>
        <source>Сайт:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Автор:          разработчики Kelvarin</source>
        <translation>Author:         the Kelvarin developers</translation>
    </message>
    <message>
        <source>© Авторы Kelvarin. Лицензия GNU GPL 3+.</source>
        <translation>© The Kelvarin authors. Licence GNU GPL 3+.</translation>
    </message>
    <message>
        <source>Свободная программа: распространяется на условиях GNU GPL версии 3 или более поздней, без каких-либо гарантий.</source>
        <translation>Free software: distributed under the terms of the GNU GPL version 3 or later, without any warranty.</translation>
    </message>
</context>
<context>
    <name>kelvarin::CommandLine</name>
    <message>
        <source>Использование: kelvarin [параметры] [ПРОЕКТ.kelvarin]

Расчет параметров воздушного винта: по мощности двигателя, частоте вращения винта
и скоростям полета программа находит диаметр и шаг винта, размеры сечений лопасти,
рисует профили сечений и печатает шаблоны для их вырезания. Отчет о расчете
записывается в файл Date.html текущего каталога.

Файл проекта (.kelvarin), если он указан, открывается и сразу рассчитывается.
Без окна считает и пишет отчеты kelvarin-cli (kelvarin-cli --help).

Параметры:
  -h, --help     показать эту справку и выйти
  -v, --version  показать версию программы и выйти

Понимаются и стандартные параметры Qt, например -platform и -style.
Подробнее: man kelvarin
</source>
        <translation>Usage: kelvarin [options] [DESIGN.kelvarin]

Air propeller calculator: from the engine power, the propeller speed and the flight
speeds the program finds the propeller&apos;s diameter and pitch and the sizes of the
blade sections, draws the section profiles and prints templates to cut them out.
The calculation report is written to the file Date.html in the current folder.

A design file (.kelvarin), if given, is opened and calculated at once.
Without a window, kelvarin-cli calculates and writes reports (kelvarin-cli --help).

Options:
  -h, --help     show this help and exit
  -v, --version  show the program&apos;s version and exit

Qt&apos;s standard options, such as -platform and -style, are understood too.
More: man kelvarin
</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>неизвестные параметры %1</source>
        <translation>unknown options %1</translation>
    </message>
    <message>
        <source>программа открывает один файл проекта, а указано %1 («%2»)</source>
        <translation>the program opens one design file, but %1 were given (“%2”)</translation>
    </message>
    <message>
        <source>», «</source>
        <translation>”, “</translation>
    </message>
    <message>
        <source>параметры не разобраны (%1)</source>
        <translation>the options could not be read (%1)</translation>
    </message>
    <message>
        <source>kelvarin: %1.
Список параметров: kelvarin --help
</source>
        <translation>kelvarin: %1.
List of options: kelvarin --help
</translation>
    </message>
</context>
<context>
    <name>kelvarin::DesignSession</name>
    <message>
        <source>Расчет параметров воздушного винта</source>
        <translation>Air propeller calculator</translation>
    </message>
    <message>
        <source>Без имени</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Винт.%1</source>
        <translation>Propeller.%1</translation>
    </message>
    <message>
        <source>Расчет не сохранен. Сохранить его в файл проекта?</source>
        <translation>The calculation is not saved. Save it to a design file?</translation>
    </message>
    <message>
        <source>Проект «%1» изменен. Сохранить изменения?</source>
        <translation>The design “%1” has changed. Save the changes?</translation>
    </message>
</context>
<context>
    <name>kelvarin::FailureMessages</name>
    <message>
        <source>Недостаточно памяти</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Внутренняя ошибка программы</source>
        <translation>Internal program error</translation>
    </message>
    <message>
        <source>Значение в поле «%1» не является числом: «%2»</source>
        <translation>The value in the field “%1” is not a number: “%2”</translation>
    </message>
    <message>
        <source>Расчет не выполнен: %1. Проверьте введенные значения.</source>
        <translation>The calculation failed: %1. Check the values entered.</translation>
    </message>
</context>
<context>
    <name>kelvarin::FieldCaptions</name>
    <message>
        <source>Диаметр винта см</source>
        <translation>Diameter cm</translation>
    </message>
    <message>
        <source>Шаг винта</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Мощность двигателя л/с</source>
        <translation>Engine power hp</translation>
    </message>
    <message>
        <source>Частота вращения винта об/мин</source>
        <translation>Propeller speed rpm</translation>
    </message>
    <message>
        <source>Скорость максимал км/час</source>
        <translation>Maximum speed km/h</translation>
    </message>
    <message>
        <source>Скорость расчетная км/час</source>
        <translation>Design speed km/h</translation>
    </message>
</context>
<context>
    <name>kelvarin::FileDialogs</name>
    <message>
        <source>Проекты винтов (*.%1);;Все файлы (*)</source>
        <translation>Propeller designs (*.%1);;All files (*)</translation>
    </message>
    <message>
        <source>Открыть проект</source>
        <translation>Open Design</translation>
    </message>
    <message>
        <source>Сохранить проект</source>
        <translation>Save Design</translation>
    </message>
    <message>
        <source>STEP — для станков с ЧПУ и САПР (*.step *.stp)</source>
        <translation>STEP — for CNC machines and CAD (*.step *.stp)</translation>
    </message>
    <message>
        <source>STL — для 3D-печати (*.stl)</source>
        <translation>STL — for 3D printing (*.stl)</translation>
    </message>
</context>
<context>
    <name>kelvarin::LanguageActions</name>
    <message>
        <source>ru</source>
        <comment>code of the language the program speaks</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>kelvarin::MainMenu</name>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Открыть…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Сохранить &amp;как…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>&amp;Недавние</source>
        <translation>&amp;Recent</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Винт</source>
        <translation>&amp;Propeller</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
</context>
<context>
    <name>kelvarin::MainWindow</name>
    <message>
        <source>Расчет параметров воздушного винта</source>
        <translation>Air propeller calculator</translation>
    </message>
    <message>
        <source>Диаметр винта</source>
        <translation>Propeller diameter</translation>
    </message>
    <message>
        <source>Шаг винта</source>
        <translation>Propeller pitch</translation>
    </message>
    <message>
        <source>Мощность двигателя</source>
        <translation>Engine power</translation>
    </message>
    <message>
        <source>Частота вращения винта</source>
        <translation>Propeller speed</translation>
    </message>
    <message>
        <source>Скорость максимальная</source>
        <translation>Maximum speed</translation>
    </message>
    <message>
        <source>Скорость расчетная</source>
        <translation>Design speed</translation>
    </message>
    <message>
        <source>Расчет по диаметру винта</source>
        <translation>By diameter</translation>
    </message>
    <message>
        <source>Расчитать по диаметру винта</source>
        <translation>Calculate from the propeller diameter</translation>
    </message>
    <message>
        <source>Указать параметры винта </source>
        <translation>Set propeller by hand</translation>
    </message>
    <message>
        <source>Указать параметры винта вручную</source>
        <translation>Enter the propeller&apos;s diameter and pitch by hand</translation>
    </message>
    <message>
        <source>Профиль с углом</source>
        <translation>Turned section</translation>
    </message>
    <message>
        <source>Показать профиль сечения лопасти под расчитанным углом</source>
        <translation>Show the blade section turned to its calculated angle</translation>
    </message>
    <message>
        <source>Показывать контрольные точки</source>
        <translation>Show control points</translation>
    </message>
    <message>
        <source>Показать контрольные точки</source>
        <translation>Show the control points</translation>
    </message>
    <message>
        <source>Изменить масштаб сеченияч</source>
        <translation>Change the section&apos;s scale</translation>
    </message>
    <message>
        <source>Выбор сечений профиля</source>
        <translation>Choose the section</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Закрытие программы</source>
        <translation>Close the program</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Вывод справки</source>
        <translation>Show the help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Данные</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Показать расчетные данные</source>
        <translation>Show the calculated data</translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Непредвиденная ошибка</source>
        <translation>Unexpected error</translation>
    </message>
    <message>
        <source>Недостаточно памяти для изображения сечения</source>
        <translation>Not enough memory for the section&apos;s image</translation>
    </message>
</context>
<context>
    <name>kelvarin::MessageBoxes</name>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kelvarin::ModelActions</name>
    <message>
        <source>Сохранить &amp;модель…</source>
        <translation>Save &amp;Model…</translation>
    </message>
    <message>
        <source>Сохранить винт как твердое тело: STEP для станков с ЧПУ и САПР, STL для 3D-печати</source>
        <translation>Save the propeller as a solid: STEP for CNC machines and CAD, STL for 3D printing</translation>
    </message>
    <message>
        <source>&amp;3D-модель…</source>
        <translation>&amp;3D Model…</translation>
    </message>
    <message>
        <source>Показать винт в объеме: повернуть мышью, приблизить колесом</source>
        <translation>Show the propeller in 3D: turn it with the mouse, zoom with the wheel</translation>
    </message>
    <message>
        <source>&amp;Левый винт</source>
        <translation>&amp;Left-Hand Propeller</translation>
    </message>
    <message>
        <source>Модель левого винта (зеркальная): для двигателя, вращающегося в другую сторону</source>
        <translation>Model of a left-hand (mirrored) propeller: for an engine turning the other way</translation>
    </message>
    <message>
        <source>Непредвиденная ошибка</source>
        <translation>Unexpected error</translation>
    </message>
    <message>
        <source>Модели еще нет: сначала рассчитайте винт кнопкой «Расчет».</source>
        <translation>There is no model yet: first calculate the propeller with “Calculate”.</translation>
    </message>
    <message>
        <source>винт-левый</source>
        <translation>propeller-left-hand</translation>
    </message>
    <message>
        <source>винт</source>
        <translation>propeller</translation>
    </message>
    <message>
        <source>Сохранить модель левого винта</source>
        <translation>Save the Left-Hand Propeller&apos;s Model</translation>
    </message>
    <message>
        <source>Сохранить модель винта</source>
        <translation>Save the Propeller&apos;s Model</translation>
    </message>
    <message>
        <source>Модель левого винта</source>
        <translation>Left-Hand Propeller Model</translation>
    </message>
</context>
<context>
    <name>kelvarin::NumericEdit</name>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Вырезать</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>kelvarin::PerformanceActions</name>
    <message>
        <source>&amp;Характеристики винта</source>
        <translation>Propeller &amp;Performance</translation>
    </message>
    <message>
        <source>Статическая тяга, тяга и КПД по скорости, потребная мощность по оборотам</source>
        <translation>Static thrust, thrust and efficiency against speed, power absorbed against rpm</translation>
    </message>
    <message>
        <source>Винт еще не рассчитан. Задайте исходные данные в главном окне и нажмите «Расчет»: характеристики появятся здесь и будут следовать за каждым расчетом.</source>
        <translation>The propeller is not calculated yet. Enter the figures in the main window and press “Calculate”: the performance will appear here and follow every calculation.</translation>
    </message>
</context>
<context>
    <name>kelvarin::Program</name>
    <message>
        <source>Для работы Kelvarin нужен графический дисплей, а он не найден (не заданы DISPLAY и WAYLAND_DISPLAY). Запустите программу в графическом сеансе, а без дисплея так: xvfb-run -a kelvarin
</source>
        <translation>Kelvarin needs a graphical display, and none was found (neither DISPLAY nor WAYLAND_DISPLAY is set). Start the program in a graphical session, or without a display like this: xvfb-run -a kelvarin
</translation>
    </message>
</context>
<context>
    <name>kelvarin::ReportStatus</name>
    <message>
        <source>Не удалось записать отчёт в файл «%1»: %2.</source>
        <translation>Could not write the report to the file “%1”: %2.</translation>
    </message>
    <message>
        <source>Отчёт последнего расчёта не записан в файл «%1»: %2.</source>
        <translation>The report of the last calculation was not written to the file “%1”: %2.</translation>
    </message>
    <message>
        <source>Файл «%1» изменён или удалён после расчёта. Нажмите «Расчет», чтобы записать отчёт снова.</source>
        <translation>The file “%1” was changed or deleted after the calculation. Press “Calculate” to write the report again.</translation>
    </message>
</context>
<context>
    <name>kelvarin::TemplateActions</name>
    <message>
        <source>PDF, бумага A4 (*.pdf)</source>
        <translation>PDF, A4 paper (*.pdf)</translation>
    </message>
    <message>
        <source>PDF, бумага Letter (*.pdf)</source>
        <translation>PDF, Letter paper (*.pdf)</translation>
    </message>
    <message>
        <source>PDF, бумага A3 (*.pdf)</source>
        <translation>PDF, A3 paper (*.pdf)</translation>
    </message>
    <message>
        <source>SVG, рисунок в миллиметрах (*.svg)</source>
        <translation>SVG, drawing in millimetres (*.svg)</translation>
    </message>
    <message>
        <source>DXF для станков с ЧПУ (*.dxf)</source>
        <translation>DXF for CNC machines (*.dxf)</translation>
    </message>
    <message>
        <source>Сохранить шаблоны</source>
        <translation>Save Templates</translation>
    </message>
    <message>
        <source>шаблоны.pdf</source>
        <translation>templates.pdf</translation>
    </message>
    <message>
        <source>Сохранить шаблоны…</source>
        <translation>Save Templates…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Предварительный просмотр…</source>
        <translation>Print Preview…</translation>
    </message>
    <message>
        <source>: расчёт ещё не выполнен, нажмите «Расчет»</source>
        <translation>: there is no calculation yet, press “Calculate”</translation>
    </message>
    <message>
        <source>Шаблоны не сохранены</source>
        <translation>The templates were not saved</translation>
    </message>
    <message>
        <source>Шаблоны не напечатаны</source>
        <translation>The templates were not printed</translation>
    </message>
    <message>
        <source>Печать шаблонов</source>
        <translation>Print Templates</translation>
    </message>
    <message>
        <source>Шаблоны не показаны</source>
        <translation>The templates were not shown</translation>
    </message>
    <message>
        <source>Шаблоны не показаны: </source>
        <translation>The templates were not shown: </translation>
    </message>
    <message>
        <source>Предварительный просмотр шаблонов</source>
        <translation>Templates Print Preview</translation>
    </message>
</context>
</TS>
