<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>kelvarin::CheckedArithmetic</name>
    <message>
        <source>Деление на ноль</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Число вне допустимого диапазона</source>
        <translation>Number out of range</translation>
    </message>
    <message>
        <source>Недопустимая арифметическая операция</source>
        <translation>Invalid arithmetic operation</translation>
    </message>
</context>
<context>
    <name>kelvarin::DesignFile</name>
    <message>
        <source>такого файла нет</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>это каталог, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>нет права читать файл</source>
        <translation>no permission to read the file</translation>
    </message>
    <message>
        <source>файл не открывается (%1)</source>
        <translation>the file does not open (%1)</translation>
    </message>
    <message>
        <source>Не удалось открыть проект «%1»: %2.</source>
        <translation>Could not open the design “%1”: %2.</translation>
    </message>
    <message>
        <source>Не удалось сохранить проект «%1»: %2.</source>
        <translation>Could not save the design “%1”: %2.</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>ошибка чтения (%1)</source>
        <translation>read error (%1)</translation>
    </message>
    <message>
        <source>файл слишком велик для проекта (больше %1 байт)</source>
        <translation>the file is too large for a design (more than %1 bytes)</translation>
    </message>
    <message>
        <source>это каталог</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>нет каталога «%1»</source>
        <translation>there is no folder “%1”</translation>
    </message>
    <message>
        <source>запись невозможна (%1)</source>
        <translation>cannot write (%1)</translation>
    </message>
    <message>
        <source>запись не удалась (%1); прежний файл, если он был, не изменен</source>
        <translation>writing failed (%1); the previous file, if any, is unchanged</translation>
    </message>
</context>
<context>
    <name>kelvarin::DesignJson</name>
    <message>
        <source>логическое значение</source>
        <translation>a boolean</translation>
    </message>
    <message>
        <source>число</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>текст</source>
        <translation>a text</translation>
    </message>
    <message>
        <source>массив</source>
        <translation>an array</translation>
    </message>
    <message>
        <source>объект</source>
        <translation>an object</translation>
    </message>
    <message>
        <source>ничего</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>нет значения «%1» (%2)</source>
        <translation>the value “%1” is missing (%2)</translation>
    </message>
    <message>
        <source>значение «%1» должно быть: %2, а записано: %3</source>
        <translation>the value “%1” must be %2, but it is %3</translation>
    </message>
    <message>
        <source>логическое значение (true или false)</source>
        <translation>a boolean (true or false)</translation>
    </message>
    <message>
        <source>целое число</source>
        <translation>a whole number</translation>
    </message>
    <message>
        <source>значение «%1» должно быть целым числом от %2 до %3, а записано %4</source>
        <translation>the value “%1” must be a whole number from %2 to %3, but it is %4</translation>
    </message>
    <message>
        <source>файл оборван: данные кончаются раньше, чем закрыт проект (возможно, он записан не до конца)</source>
        <translation>the file is cut short: the data end before the design is closed (perhaps it was not written completely)</translation>
    </message>
    <message>
        <source>это не JSON или он испорчен: ошибка в строке %1 (позиция %2)</source>
        <translation>this is not JSON or it is damaged: error on line %1 (position %2)</translation>
    </message>
    <message>
        <source>это не проект Kelvarin: нет метки «&quot;format&quot;: &quot;%1&quot;»</source>
        <translation>this is not a Kelvarin design: there is no “&quot;format&quot;: &quot;%1&quot;” mark</translation>
    </message>
    <message>
        <source>проект записан более новой версией Kelvarin в формате %1, а эта версия читает формат до %2 включительно; обновите программу</source>
        <translation>the design was written by a newer version of Kelvarin in format %1, and this version reads formats up to %2; update the program</translation>
    </message>
    <message>
        <source>текст не длиннее %1 символов</source>
        <translation>a text of at most %1 characters</translation>
    </message>
    <message>
        <source>текст поля «%1» в кавычках</source>
        <translation>the text of the field “%1” in quotes</translation>
    </message>
    <message>
        <source>поле «%1» (%2): %3</source>
        <translation>field “%1” (%2): %3</translation>
    </message>
    <message>
        <source>файл слишком велик для проекта: %1 байт, а проект занимает не больше %2 байт</source>
        <translation>the file is too large for a design: %1 bytes, and a design takes no more than %2 bytes</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>это не проект Kelvarin: в файле JSON нет объекта</source>
        <translation>this is not a Kelvarin design: the JSON file holds no object</translation>
    </message>
    <message>
        <source>поле «%1»: %2</source>
        <translation>field “%1”: %2</translation>
    </message>
</context>
<context>
    <name>kelvarin::DxfTemplates</name>
    <message>
        <source>чертёж DXF вышел бы из %1 точек, а больше %2 станки и программы резки не принимают; проверьте диаметр и шаг винта</source>
        <translation>the DXF drawing would have %1 points, and cutting machines and programs accept no more than %2; check the propeller diameter and pitch</translation>
    </message>
</context>
<context>
    <name>kelvarin::FieldTextRule</name>
    <message>
        <source>текст длиной %1 символов, а в поле помещается не больше %2</source>
        <translation>a text of %1 characters, and the field holds no more than %2</translation>
    </message>
    <message>
        <source>«%1» не число: в поле вводятся только цифры и один знак «%2»</source>
        <translation>“%1” is not a number: the field takes only digits and one “%2”</translation>
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
</context>
<context>
    <name>kelvarin::FileReplacement</name>
    <message>
        <source>нет прав на запись в папку</source>
        <translation>no permission to write to the folder</translation>
    </message>
    <message>
        <source>файл защищён от записи</source>
        <translation>the file is write-protected</translation>
    </message>
</context>
<context>
    <name>kelvarin::FileWriteError</name>
    <message>
        <source>на диске не хватает места</source>
        <translation>not enough space on the disk</translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>нет прав на запись</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>операция запрещена системой</source>
        <translation>operation not permitted by the system</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>на месте файла находится папка</source>
        <translation>there is a folder where the file should be</translation>
    </message>
    <message>
        <source>папка не найдена</source>
        <translation>folder not found</translation>
    </message>
    <message>
        <source>часть пути не является папкой</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>слишком много символических ссылок подряд</source>
        <translation>too many symbolic links in a row</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>file name too long</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation>file is busy</translation>
    </message>
    <message>
        <source>файл с таким именем уже существует</source>
        <translation>a file with this name already exists</translation>
    </message>
    <message>
        <source>недостаточно памяти</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2</source>
        <translation>Could not write the file “%1”: %2</translation>
    </message>
</context>
<context>
    <name>kelvarin::InputFields</name>
    <message>
        <source>Необходимо ввести параметр диаметр винта больше нуля</source>
        <translation>Enter a propeller diameter greater than zero</translation>
    </message>
    <message>
        <source>Необходимо ввести параметр шаг винта больше нуля</source>
        <translation>Enter a propeller pitch greater than zero</translation>
    </message>
    <message>
        <source>Необходимо ввести параметр мощность двигателя больше нуля</source>
        <translation>Enter an engine power greater than zero</translation>
    </message>
    <message>
        <source>Необходимо ввести параметр число оборотов винта больше нуля</source>
        <translation>Enter a propeller speed greater than zero</translation>
    </message>
    <message>
        <source>Необходимо ввести параметр скрорость максимальная больше нуля</source>
        <translation>Enter a maximum speed greater than zero</translation>
    </message>
    <message>
        <source>Необходимо ввести параметр скрорость расчетная больше нуля</source>
        <translation>Enter a design speed greater than zero</translation>
    </message>
</context>
<context>
    <name>kelvarin::IntegerRounding</name>
    <message>
        <source>Целое число вне допустимого диапазона</source>
        <translation>Integer out of range</translation>
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
    <name>kelvarin::ModelFile</name>
    <message>
        <source>не указано имя файла</source>
        <translation>no file name given</translation>
    </message>
    <message>
        <source>это не обычный файл, а канал или устройство</source>
        <translation>it is not a regular file but a pipe or a device</translation>
    </message>
    <message>
        <source>Не удалось сохранить модель в файл «%1»: %2.</source>
        <translation>Could not save the model to the file “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>kelvarin::ModelFormat</name>
    <message>
        <source>Не удалось сохранить модель в файл «%1»: модель сохраняется в файлы .step, .stp или .stl.</source>
        <translation>Could not save the model to the file “%1”: the model is saved to .step, .stp or .stl files.</translation>
    </message>
</context>
<context>
    <name>kelvarin::ModelModuleEntry</name>
    <message>
        <source>Модель винта не построена: не хватает памяти.</source>
        <translation>Propeller model not built: out of memory.</translation>
    </message>
    <message>
        <source>Модель винта не построена: непредвиденная ошибка.</source>
        <translation>Propeller model not built: unexpected error.</translation>
    </message>
</context>
<context>
    <name>kelvarin::ModelModuleLoader</name>
    <message>
        <source>Модель винта не построена: модуль 3D-моделей %1 не загружается (%2); переустановите программу.</source>
        <translation>Propeller model not built: the 3D model module %1 does not load (%2); reinstall the program.</translation>
    </message>
    <message>
        <source>причина неизвестна</source>
        <translation>reason unknown</translation>
    </message>
    <message>
        <source>Модель винта не построена: модуль 3D-моделей %1 от другой версии программы; переустановите программу.</source>
        <translation>Propeller model not built: the 3D model module %1 is from another version of the program; reinstall the program.</translation>
    </message>
    <message>
        <source>Модель винта не построена: не найден модуль 3D-моделей (искали %1); переустановите программу.</source>
        <translation>Propeller model not built: the 3D model module was not found (looked for %1); reinstall the program.</translation>
    </message>
</context>
<context>
    <name>kelvarin::PdfTemplates</name>
    <message>
        <source>Не удалось начать документ PDF</source>
        <translation>Could not start the PDF document</translation>
    </message>
    <message>
        <source>Не удалось начать страницу PDF</source>
        <translation>Could not start a PDF page</translation>
    </message>
    <message>
        <source>Не удалось завершить документ PDF</source>
        <translation>Could not finish the PDF document</translation>
    </message>
    <message>
        <source>Для PDF нужен QGuiApplication (подойдёт платформа offscreen)</source>
        <translation>PDF needs a QGuiApplication (the offscreen platform will do)</translation>
    </message>
    <message>
        <source>Шаблоны: %1</source>
        <translation>Templates: %1</translation>
    </message>
</context>
<context>
    <name>kelvarin::Printer</name>
    <message>
        <source>Принтер по умолчанию не выбран</source>
        <translation>No default printer is selected</translation>
    </message>
</context>
<context>
    <name>kelvarin::PropellerSolid</name>
    <message>
        <source>Модель винта не построена: геометрическое ядро не смогло построить тело (%1).</source>
        <translation>Propeller model not built: the geometry kernel could not build the solid (%1).</translation>
    </message>
    <message>
        <source>вместо одного тела получено %1</source>
        <translation>%1 solids instead of one</translation>
    </message>
    <message>
        <source>тело получилось некорректным</source>
        <translation>the solid is invalid</translation>
    </message>
    <message>
        <source>поверхность тела не замкнута</source>
        <translation>the surface of the solid is not closed</translation>
    </message>
</context>
<context>
    <name>kelvarin::QtPrinter</name>
    <message>
        <source>Печать уже идёт</source>
        <translation>Printing is already in progress</translation>
    </message>
    <message>
        <source>Не удалось начать печать на принтере</source>
        <translation>Could not start printing on the printer</translation>
    </message>
    <message>
        <source>Не удалось начать новую страницу</source>
        <translation>Could not start a new page</translation>
    </message>
    <message>
        <source>Не удалось завершить печать</source>
        <translation>Could not finish printing</translation>
    </message>
    <message>
        <source>Печать не начата</source>
        <translation>Printing has not been started</translation>
    </message>
</context>
<context>
    <name>kelvarin::SanityLine</name>
    <message>
        <source>Скорость конца лопасти не оценить: нужны диаметр, частота вращения и расчетная скорость</source>
        <translation>Blade tip speed cannot be estimated: diameter, propeller speed and design speed are needed</translation>
    </message>
    <message>
        <source>Скорость конца лопасти %1 м/с (число Маха %2), относительная поступь V/(nD) %3</source>
        <translation>Blade tip speed %1 m/s (Mach %2), advance ratio V/(nD) %3</translation>
    </message>
    <message>
        <source>Число Маха конца лопасти %1 выше %2: у концов лопастей сжимается воздух, винт сильно шумит и теряет КПД. Уменьшите диаметр или частоту вращения винта (например, редуктором).</source>
        <translation>Blade tip Mach number %1 is above %2: the air is compressed at the blade tips, and the propeller is very noisy and loses efficiency. Reduce the diameter or the propeller speed (for example, with a reduction gearbox).</translation>
    </message>
    <message>
        <source>Скорость конца лопасти складывается из окружной скорости и расчетной скорости полета; скорость звука принята %1 м/с, и выше числа Маха %2 винт шумит и теряет КПД. Относительная поступь V/(nD): путь винта за оборот, деленный на диаметр.</source>
        <translation>The blade tip speed combines the rotational speed and the design flight speed; the speed of sound is taken as %1 m/s, and above Mach %2 the propeller is noisy and loses efficiency. Advance ratio V/(nD): the distance the propeller travels in one turn, divided by its diameter.</translation>
    </message>
</context>
<context>
    <name>kelvarin::SectionOutline</name>
    <message>
        <source>Размеры сечений слишком велики для построения</source>
        <translation>The sections are too large to draw</translation>
    </message>
</context>
<context>
    <name>kelvarin::SectionView</name>
    <message>
        <source>Сечение %1 радиуса: %2 мм от центра винта</source>
        <translation>Section at %1 radius: %2 mm from the propeller centre</translation>
    </message>
    <message>
        <source>Сечение имеет отрицательный размер: проверьте диаметр и шаг винта</source>
        <translation>The section has a negative size: check the propeller diameter and pitch</translation>
    </message>
    <message>
        <source>Сечение слишком велико для показа на экране</source>
        <translation>The section is too large to show on screen</translation>
    </message>
</context>
<context>
    <name>kelvarin::ShapeCheck</name>
    <message>
        <source>Модель винта не построена: %1.</source>
        <translation>Propeller model not built: %1.</translation>
    </message>
    <message>
        <source>в сечении %1 есть значение, которое не является числом</source>
        <translation>station %1 has a value that is not a number</translation>
    </message>
    <message>
        <source>ширина лопасти в сечении %1 (%2 мм) должна быть больше нуля</source>
        <translation>the blade width at station %1 (%2 mm) must be greater than zero</translation>
    </message>
    <message>
        <source>сечение %1 должно лежать дальше от оси винта, чем сечение %2</source>
        <translation>station %1 must lie farther from the propeller axis than station %2</translation>
    </message>
    <message>
        <source>хорда сечения %1 (%2 мм) должна быть больше нуля</source>
        <translation>the chord at station %1 (%2 mm) must be greater than zero</translation>
    </message>
    <message>
        <source>толщина сечения %1 должна быть больше нуля</source>
        <translation>the thickness at station %1 must be greater than zero</translation>
    </message>
    <message>
        <source>сечение %1 не сходится в точку на задней кромке</source>
        <translation>section %1 does not close to a point at the trailing edge</translation>
    </message>
    <message>
        <source>угол лопасти в сечении %1 (%2°) не больше нуля: шаг винта должен быть больше нуля</source>
        <translation>the blade angle at station %1 (%2°) is not above zero: the propeller pitch must be greater than zero</translation>
    </message>
    <message>
        <source>угол лопасти в сечении %1 (%2°) больше %3°: при таком шаге сечение разворачивается поперёк плоскости вращения; уменьшите шаг или увеличьте диаметр</source>
        <translation>the blade angle at station %1 (%2°) is above %3°: at such a pitch the section turns across the plane of rotation; reduce the pitch or increase the diameter</translation>
    </message>
    <message>
        <source>диаметр винта %1 см вне разумных пределов (от %2 до %3 см)</source>
        <translation>the propeller diameter %1 cm is outside sensible limits (%2 to %3 cm)</translation>
    </message>
    <message>
        <source>сечение %1 должно лежать дальше от оси винта</source>
        <translation>station %1 must lie farther from the propeller axis</translation>
    </message>
</context>
<context>
    <name>kelvarin::SolidMesh</name>
    <message>
        <source>Модель винта не сохранена: не удалось разбить поверхность на треугольники.</source>
        <translation>Propeller model not saved: the surface could not be divided into triangles.</translation>
    </message>
    <message>
        <source>Модель винта не сохранена: не удалось разбить поверхность на треугольники (%1).</source>
        <translation>Propeller model not saved: the surface could not be divided into triangles (%1).</translation>
    </message>
</context>
<context>
    <name>kelvarin::StepWriter</name>
    <message>
        <source>геометрическое ядро не смогло перевести тело в STEP</source>
        <translation>the geometry kernel could not convert the solid to STEP</translation>
    </message>
    <message>
        <source>запись STEP не удалась</source>
        <translation>writing STEP failed</translation>
    </message>
    <message>
        <source>ошибка геометрического ядра: %1</source>
        <translation>geometry kernel error: %1</translation>
    </message>
</context>
<context>
    <name>kelvarin::StlWriter</name>
    <message>
        <source>слишком много треугольников для формата STL</source>
        <translation>too many triangles for the STL format</translation>
    </message>
</context>
<context>
    <name>kelvarin::SvgTemplates</name>
    <message>
        <source>Для SVG нужен QGuiApplication (подойдёт платформа offscreen)</source>
        <translation>SVG needs a QGuiApplication (the offscreen platform will do)</translation>
    </message>
    <message>
        <source>Шаблоны</source>
        <translation>Templates</translation>
    </message>
    <message>
        <source>Не удалось начать рисунок SVG</source>
        <translation>Could not start the SVG drawing</translation>
    </message>
</context>
<context>
    <name>kelvarin::TemplateExport</name>
    <message>
        <source>Шаблоны не сохранены: %1</source>
        <translation>Templates not saved: %1</translation>
    </message>
    <message>
        <source>у имени файла «%1» нет расширения; укажите .pdf, .svg или .dxf</source>
        <translation>the file name “%1” has no extension; use .pdf, .svg or .dxf</translation>
    </message>
    <message>
        <source>расширение «.%1» у файла «%2» не подходит; укажите .pdf, .svg или .dxf</source>
        <translation>the extension “.%1” of the file “%2” is not supported; use .pdf, .svg or .dxf</translation>
    </message>
    <message>
        <source>расчёт ещё не выполнен, нажмите «Расчет»</source>
        <translation>nothing has been calculated yet; press “Calculate”</translation>
    </message>
    <message>
        <source>сечения слишком велики для построения</source>
        <translation>the sections are too large to draw</translation>
    </message>
    <message>
        <source>«%1» — не обычный файл, а устройство или канал; выберите другое имя</source>
        <translation>“%1” is not a regular file but a device or a pipe; choose another name</translation>
    </message>
</context>
<context>
    <name>kelvarin::TemplateFooter</name>
    <message>
        <source>Воздушный винт: диаметр %1 см, шаг %2 м</source>
        <translation>Propeller: diameter %1 cm, pitch %2 m</translation>
    </message>
    <message>
        <source>страница слишком узка для шкалы в 100 мм и 4 дюйма, выберите бумагу шире</source>
        <translation>the page is too narrow for the 100 mm and 4 in scales; choose wider paper</translation>
    </message>
    <message>
        <source>100 мм</source>
        <translation>100 mm</translation>
    </message>
    <message>
        <source>4 дюйма</source>
        <translation>4 in</translation>
    </message>
</context>
<context>
    <name>kelvarin::TemplateLayout</name>
    <message>
        <source>вид лопасти в плане</source>
        <translation>blade planform</translation>
    </message>
    <message>
        <source>вид лопасти сбоку</source>
        <translation>blade side view</translation>
    </message>
    <message>
        <source>сечение %1 радиуса</source>
        <translation>section at %1 radius</translation>
    </message>
    <message>
        <source>на странице принтера нет места для шаблонов</source>
        <translation>the printer&apos;s page has no room for the templates</translation>
    </message>
    <message>
        <source>сечение имеет отрицательный размер, проверьте диаметр и шаг винта</source>
        <translation>a section has a negative size; check the propeller diameter and pitch</translation>
    </message>
    <message>
        <source>шаблонам понадобилось бы больше %1 страниц; выберите бумагу большего размера или проверьте диаметр и шаг винта</source>
        <translation>the templates would need more than %1 pages; choose larger paper or check the propeller diameter and pitch</translation>
    </message>
    <message>
        <source>%1 не помещается на странице: понадобилось бы %2 листов, а больше %3 на один шаблон не печатается; выберите бумагу большего размера или проверьте диаметр и шаг винта</source>
        <translation>%1 does not fit on a page: it would need %2 sheets, and no more than %3 are printed for one template; choose larger paper or check the propeller diameter and pitch</translation>
    </message>
    <message>
        <source>лист %1 из %2</source>
        <translation>sheet %1 of %2</translation>
    </message>
    <message>
        <source>шаблоны заняли бы лист %1 × %2 м, а больше 20 м по стороне не бывает ни одного станка; проверьте диаметр и шаг винта</source>
        <translation>the templates would take a sheet of %1 × %2 m, and no machine takes more than 20 m a side; check the propeller diameter and pitch</translation>
    </message>
    <message>
        <source>Профиль сечения лопасти %1 радиуса</source>
        <translation>Blade section at %1 radius</translation>
    </message>
    <message>
        <source>Вид лопасти в плане, станции %1–%2, %3–%4 мм от центра винта</source>
        <translation>Blade planform, stations %1–%2, %3–%4 mm from the propeller centre</translation>
    </message>
    <message>
        <source>Вид лопасти сбоку, станции %1–%2, %3–%4 мм от центра винта</source>
        <translation>Blade side view, stations %1–%2, %3–%4 mm from the propeller centre</translation>
    </message>
</context>
<context>
    <name>kelvarin::TemplateMetrics</name>
    <message>
        <source>принтер сообщает разрешение %1 точек на дюйм, с таким шаблоны не построить</source>
        <translation>the printer reports a resolution of %1 dots per inch; the templates cannot be drawn at it</translation>
    </message>
</context>
<context>
    <name>kelvarin::TemplatePrint</name>
    <message>
        <source>Шаблоны не напечатаны: %1</source>
        <translation>Templates not printed: %1</translation>
    </message>
    <message>
        <source>сечения слишком велики для принтера</source>
        <translation>the sections are too large for the printer</translation>
    </message>
</context>
<context>
    <name>kelvarin::TextToNumber</name>
    <message>
        <source>«%1» не является числом</source>
        <translation>“%1” is not a number</translation>
    </message>
</context>
</TS>
