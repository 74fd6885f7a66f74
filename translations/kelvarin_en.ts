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
        <translation>© The Kelvarin authors. Licence: GNU GPL 3+.</translation>
    </message>
    <message>
        <source>Свободная программа: распространяется на условиях GNU GPL версии 3 или более поздней, без каких-либо гарантий.</source>
        <translation>Free software: distributed under the terms of the GNU GPL version 3 or later, without any warranty.</translation>
    </message>
</context>
<context>
    <name>kelvarin::Atmosphere</name>
    <message>
        <source>Высота над уровнем моря должна быть от %1 до %2 м, задано: %3 м.</source>
        <translation>Altitude above sea level must be from %1 to %2 m, given: %3 m.</translation>
    </message>
    <message>
        <source>Температура воздуха должна быть от %1 до +%2 °C, задано: %3 °C.</source>
        <translation>Air temperature must be from %1 to +%2 °C, given: %3 °C.</translation>
    </message>
</context>
<context>
    <name>kelvarin::BladeAngleRule</name>
    <message>
        <source>Углы лопасти по правилу программы (шаг лопасти — два шага винта)</source>
        <translation>Blade angles by the program&apos;s rule (blade pitch twice the propeller&apos;s pitch)</translation>
    </message>
    <message>
        <source>Углы лопасти по шагу винта</source>
        <translation>Blade angles by the propeller&apos;s pitch</translation>
    </message>
    <message>
        <source>Углы лопасти под двигатель (шаг подбирается по мощности)</source>
        <translation>Blade angles matched to the engine (pitch chosen by power)</translation>
    </message>
</context>
<context>
    <name>kelvarin::BladePitchNote</name>
    <message>
        <source>Шаг лопасти %1 м, подобран под двигатель (в поле %2 м)</source>
        <translation>Blade pitch %1 m, matched to the engine (field %2 m)</translation>
    </message>
    <message>
        <source>Шаг лопасти %1 м (в поле %2 м)</source>
        <translation>Blade pitch %1 m (field %2 m)</translation>
    </message>
</context>
<context>
    <name>kelvarin::BladeSolid</name>
    <message>
        <source>диаметр ступицы %1 мм меньше ширины корня лопасти %2 мм: корень не помещается в ступицу</source>
        <translation>the hub diameter %1 mm is less than the blade root width %2 mm: the root does not fit in the hub</translation>
    </message>
    <message>
        <source>толщина ступицы %1 мм меньше толщины корня лопасти вдоль оси %2 мм</source>
        <translation>the hub thickness %1 mm is less than the blade root's depth along the axis %2 mm</translation>
    </message>
    <message>
        <source>ступица диаметром %1 мм закрывает сечение 3: ее диаметр должен быть меньше %2 мм</source>
        <translation>a hub %1 mm in diameter covers section 3: its diameter must be less than %2 mm</translation>
    </message>
    <message>
        <source>отверстия под болты на окружности %1 мм выходят за ступицу диаметром %2 мм</source>
        <translation>the bolt holes on a %1 mm circle reach out of the hub, %2 mm in diameter</translation>
    </message>
    <message>
        <source>отверстие в центре ступицы (%1 мм) не меньше самой ступицы (%2 мм)</source>
        <translation>the centre bore (%1 mm) is not smaller than the hub itself (%2 mm)</translation>
    </message>
    <message>
        <source>задняя кромка толщиной %1 мм не помещается в сечение %2: оно толщиной %3 мм, кромка может быть не толще половины: задайте не больше %4 мм</source>
        <translation>a trailing edge %1 mm thick does not fit section %2: the section is %3 mm thick and the edge may be at most half of that: set no more than %4 mm</translation>
    </message>
</context>
<context>
    <name>kelvarin::CalcCommand</name>
    <message>
        <source>--format: %1 не формат; возможны text, csv и json</source>
        <translation>--format: %1 is not a format; use text, csv or json</translation>
    </message>
    <message>
        <source>диаметр, шаг, таблица сечений лопасти и скорость конца лопасти</source>
        <translation>diameter, pitch, blade station table and blade tip speed</translation>
    </message>
    <message>
        <source>Использование: kelvarin-cli calc [ПРОЕКТ.kelvarin] [параметры]

Рассчитывает винт, как кнопка «Расчет» в окне, и выводит диаметр и шаг (как
их показывают поля окна), таблицу сечений 2–11 (как в отчете), скорость конца
лопасти с числом Маха и относительную поступь.

Пример: kelvarin-cli calc --power 14 --rpm 2300 --vmax 50 --vdesign 40

  --format ФОРМАТ    text (по умолчанию, числа с десятичным разделителем
                     системы), csv или json (числа с точкой, полная точность;
                     в json также координаты профилей сечений 3–11, мм)

С --blade-angles (или с правилом углов, записанным в проекте) добавляются
шаг каждого сечения по его углу, 2πr·tg(угла), и шаг лопасти на 0,75 R.
</source>
        <translation>Usage: kelvarin-cli calc [DESIGN.kelvarin] [options]

Calculates the propeller as the window&apos;s “Calculate” button does and prints the
diameter and pitch (as the window&apos;s fields show them), the table of stations
2–11 (as in the report), the blade tip speed with its Mach number and the
advance ratio.

Example: kelvarin-cli calc --power 14 --rpm 2300 --vmax 50 --vdesign 40

  --format FORMAT    text (the default, numbers with the system&apos;s decimal
                     separator), csv or json (numbers with a point, full
                     precision; json also gives the section profiles of
                     stations 3–11, mm)

With --blade-angles (or a blade angle rule kept in the design) also each
station&apos;s pitch from its angle, 2πr·tan(angle), and the blade&apos;s pitch at
0.75 R.
</translation>
    </message>
</context>
<context>
    <name>kelvarin::CalcOutput</name>
    <message>
        <source>Расчет диаметра и шага по мощности и скоростям</source>
        <translation>Diameter and pitch from power and speeds</translation>
    </message>
    <message>
        <source>Расчет по диаметру винта</source>
        <translation>Sized by propeller diameter</translation>
    </message>
    <message>
        <source>Диаметр и шаг заданы вручную</source>
        <translation>Diameter and pitch given by hand</translation>
    </message>
    <message>
        <source>Радиус, см</source>
        <translation>Radius, cm</translation>
    </message>
    <message>
        <source>Bl, см</source>
        <translation>Bl, cm</translation>
    </message>
    <message>
        <source>Угол, град</source>
        <translation>Angle, deg</translation>
    </message>
    <message>
        <source>Bl/cos, см</source>
        <translation>Bl/cos, cm</translation>
    </message>
    <message>
        <source>hc, см</source>
        <translation>hc, cm</translation>
    </message>
    <message>
        <source>Диаметр винта</source>
        <translation>Propeller diameter</translation>
    </message>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Шаг винта</source>
        <translation>Propeller pitch</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Мощность двигателя</source>
        <translation>Engine power</translation>
    </message>
    <message>
        <source>л/с</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Частота вращения винта</source>
        <translation>Propeller speed</translation>
    </message>
    <message>
        <source>об/мин</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Скорость максимальная</source>
        <translation>Maximum speed</translation>
    </message>
    <message>
        <source>км/ч</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Скорость расчетная</source>
        <translation>Design speed</translation>
    </message>
    <message>
        <source>Сечение</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Внимание: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>Шаг лопасти на 0,75 R: %1 м (шаг винта в поле %2 м)</source>
        <translation>Blade pitch at 0.75 R: %1 m (propeller pitch field %2 m)</translation>
    </message>
    <message>
        <source>Шаг, м</source>
        <translation>Pitch, m</translation>
    </message>
</context>
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
    <name>kelvarin::CliArguments</name>
    <message>
        <source>«%1»</source>
        <comment>an argument quoted in a message</comment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>параметр %1 указан дважды</source>
        <translation>option %1 is given twice</translation>
    </message>
    <message>
        <source>параметр %1 не принимает значения</source>
        <translation>option %1 takes no value</translation>
    </message>
    <message>
        <source>параметр %1 требует значений через пробел</source>
        <translation>option %1 takes its values separated by spaces</translation>
    </message>
    <message>
        <source>после %1 нужно значение</source>
        <translation>%1 needs a value</translation>
    </message>
    <message numerus="yes">
        <source>после %1 нужно %n значения</source>
        <translation>
            <numerusform>%1 needs %n value</numerusform>
            <numerusform>%1 needs %n values</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kelvarin::CliDesignInput</name>
    <message>
        <source>%1 (%2): значение длиннее %3 символов</source>
        <translation>%1 (%2): the value is longer than %3 characters</translation>
    </message>
    <message>
        <source>%1 (%2): %3 не число: нужны цифры и не больше одного десятичного знака (точки или запятой)</source>
        <translation>%1 (%2): %3 is not a number: digits are needed, with at most one decimal separator (a point or a comma)</translation>
    </message>
    <message>
        <source>нужен один файл проекта, а указано больше: %1, %2</source>
        <translation>one design file is needed, but more are given: %1, %2</translation>
    </message>
    <message>
        <source>--by-diameter и --manual взаимоисключающие: выберите один режим</source>
        <translation>--by-diameter and --manual are mutually exclusive: choose one mode</translation>
    </message>
    <message>
        <source>(в окне поле получило бы значение по умолчанию; здесь расчет остановлен: задайте значение сами)</source>
        <translation>(the window would put the default value in the field; here the calculation stops: enter the value yourself)</translation>
    </message>
    <message>
        <source>(в окне поле получило бы значение по умолчанию; здесь расчет остановлен)</source>
        <translation>(the window would put the default value in the field; here the calculation stops)</translation>
    </message>
    <message>
        <source>поле «%1»: %2 не читается как число (слишком большое или записано неверно)</source>
        <translation>field “%1”: %2 cannot be read as a number (too large or malformed)</translation>
    </message>
    <message>
        <source>расчет не удался: арифметическая ошибка (корень из отрицательного числа, деление на ноль или переполнение); проверьте величины и их знаки</source>
        <translation>the calculation failed: an arithmetic error (square root of a negative number, division by zero or overflow); check the values and their signs</translation>
    </message>
    <message>
        <source>Исходные данные: ПРОЕКТ.kelvarin, если указан, а поверх него параметры;
чего нет ни там, ни там, берется как в окне при запуске программы
(14 л/с, 2300 об/мин, 50 и 40 км/ч, расчет диаметра и шага).
Числа пишутся с точкой или запятой.
  --power N          мощность двигателя, л/с
  --rpm N            частота вращения винта, об/мин
  --vmax N           скорость максимальная, км/ч
  --vdesign N        скорость расчетная, км/ч
  --by-diameter D    расчет по диаметру винта D, см (частота вращения и шаг
                     рассчитываются)
  --manual D H       диаметр D, см, и шаг H, м, заданы вручную (рассчитывается
                     только лопасть)
  --blade-angles П   углы лопасти: rule — по правилу программы, шаг лопасти
                     вдвое больше шага винта (по умолчанию); pitch — по шагу
                     винта; engine — шаг подбирается так, чтобы винт поглощал
                     мощность двигателя на его оборотах и расчетной скорости
  --engine-curve К   мощность двигателя на других оборотах: точки ОБ:Л/С через
                     запятую, обороты по возрастанию, числа с точкой, например
                     1500:10.5,2300:14 (по умолчанию — постоянный крутящий
                     момент ниже номинальных оборотов)
</source>
        <translation>Inputs: DESIGN.kelvarin, if given, overridden by the options; anything given
by neither takes the value the window starts with (14 hp, 2300 rpm, 50 and
40 km/h, diameter and pitch calculated).
Numbers take a point or a comma.
  --power N          engine power, hp
  --rpm N            propeller speed, rpm
  --vmax N           maximum speed, km/h
  --vdesign N        design speed, km/h
  --by-diameter D    size by the propeller diameter D, cm (propeller speed and
                     pitch are calculated)
  --manual D H       diameter D, cm, and pitch H, m, given by hand (only the
                     blade is calculated)
  --blade-angles R   the blade angles: rule — by the program&apos;s rule, the
                     blade&apos;s pitch twice the propeller&apos;s (the default);
                     pitch — by the propeller&apos;s pitch; engine — a pitch
                     chosen so that the propeller absorbs the engine&apos;s power
                     at its rpm and the design speed
  --engine-curve C   the engine&apos;s power at other rpm: RPM:HP points
                     separated by commas, rpm growing, numbers with a point,
                     e.g. 1500:10.5,2300:14 (default: constant torque below
                     the rated rpm)
</translation>
    </message>
    <message>
        <source>--blade-angles: %1 не правило углов; возможны rule, pitch и engine</source>
        <translation>--blade-angles: %1 is not a blade angle rule; use rule, pitch or engine</translation>
    </message>
    <message>
        <source>--engine-curve: точка %1 не вида ОБОРОТЫ:МОЩНОСТЬ (например 1500:10.5,2300:14)</source>
        <translation>--engine-curve: point %1 is not of the form RPM:POWER (e.g. 1500:10.5,2300:14)</translation>
    </message>
</context>
<context>
    <name>kelvarin::CliProgram</name>
    <message>
        <source>Не удалось записать в стандартный вывод: %1</source>
        <translation>Could not write to standard output: %1</translation>
    </message>
    <message>
        <source>Использование: kelvarin-cli КОМАНДА [параметры]

Расчет воздушного винта без окна и дисплея: для пакетной обработки и станков
с ЧПУ. Считает так же, как программа kelvarin, и читает и пишет ее проекты.

Команды:
</source>
        <translation>Usage: kelvarin-cli COMMAND [options]

Air propeller calculation without a window or a display: for batch work and
CNC machining. Calculates as the kelvarin program does, and reads and writes
its designs.

Commands:
</translation>
    </message>
    <message>
        <source>
Параметры:
  -h, --help        показать эту справку и выйти; kelvarin-cli КОМАНДА --help —
                    справка по команде
  -v, --version     показать версию программы и выйти

Код возврата: 0 — успешно; 1 — сообщение или ошибка расчета, негодный файл
проекта или геометрии, ошибка записи (причина в стандартном потоке ошибок);
2 — неверные параметры.
Подробнее: man kelvarin-cli
</source>
        <translation>
Options:
  -h, --help        show this help and exit; kelvarin-cli COMMAND --help —
                    help on a command
  -v, --version     show the program&apos;s version and exit

Exit status: 0 — success; 1 — a calculation message or failure, a bad design
or geometry file, a failed write (the reason is on standard error);
2 — bad options.
Details: man kelvarin-cli
</translation>
    </message>
    <message>
        <source>Справка: %1</source>
        <translation>Help: %1</translation>
    </message>
    <message>
        <source>не указана команда</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>неизвестная команда %1</source>
        <translation>unknown command %1</translation>
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

Air propeller calculator: from the engine power, the propeller speed and the
flight speeds the program finds the propeller&apos;s diameter and pitch and the
sizes of the blade sections, draws the section profiles and prints templates to
cut them out. The calculation report is written to the file Date.html in the
current folder.

A design file (.kelvarin), if given, is opened and calculated at once.
kelvarin-cli calculates and writes reports without a window
(kelvarin-cli --help).

Options:
  -h, --help     show this help and exit
  -v, --version  show the program&apos;s version and exit

Qt&apos;s standard options, such as -platform and -style, are understood too.
Details: man kelvarin
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
    <name>kelvarin::DesignFile</name>
    <message>
        <source>; прежний файл, если он был, не изменен</source>
        <translation>; the previous file, if any, is unchanged</translation>
    </message>
    <message>
        <source>это не обычный файл, а канал или устройство; выберите другое имя</source>
        <translation>it is not a regular file but a pipe or a device; choose another name</translation>
    </message>
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
        <translation>the file cannot be opened (%1)</translation>
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
        <source>это не обычный файл, а канал или устройство</source>
        <translation>it is not a regular file but a pipe or a device</translation>
    </message>
    <message>
        <source>ошибка чтения (%1)</source>
        <translation>read error (%1)</translation>
    </message>
    <message>
        <source>файл слишком велик для проекта (больше %1 байт)</source>
        <translation>the file is too large for a design (more than %1 bytes)</translation>
    </message>
</context>
<context>
    <name>kelvarin::DesignGeometry</name>
    <message>
        <source>В поле «%1» не число: исправьте его и рассчитайте винт снова.</source>
        <translation>The field “%1” holds no number: correct it and calculate the propeller again.</translation>
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
        <source>Скорость расчетная</source>
        <translation>Design speed</translation>
    </message>
    <message>
        <source>Скорость максимальная</source>
        <translation>Maximum speed</translation>
    </message>
</context>
<context>
    <name>kelvarin::DesignJson</name>
    <message>
        <source>значение «%1» длиннее %2 символов: «%3»; сократите его или удалите</source>
        <translation>the value “%1” is longer than %2 characters: “%3”; shorten or remove it</translation>
    </message>
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
        <translation>a string</translation>
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
        <translation>the file is truncated: the data end before the design is closed (perhaps it was not written completely)</translation>
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
        <translation>the design was written by a newer version of Kelvarin in format %1, but this version reads formats up to %2; update the program</translation>
    </message>
    <message>
        <source>текст поля «%1» в кавычках</source>
        <translation>the text of the field “%1” as a quoted string</translation>
    </message>
    <message>
        <source>поле «%1» (%2): %3</source>
        <translation>field “%1” (%2): %3</translation>
    </message>
    <message>
        <source>файл слишком велик для проекта: %1 байт, а проект занимает не больше %2 байт</source>
        <translation>the file is too large for a design: %1 bytes, but a design takes at most %2 bytes</translation>
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
    <message>
        <source>&quot;rule&quot;, &quot;pitch&quot; или &quot;engine&quot;</source>
        <translation>&quot;rule&quot;, &quot;pitch&quot; or &quot;engine&quot;</translation>
    </message>
    <message>
        <source>строка %1, кривая мощности двигателя: %2</source>
        <translation>line %1, engine power curve: %2</translation>
    </message>
    <message>
        <source>нужен массив точек {&quot;rpm&quot;: обороты, &quot;powerHp&quot;: мощность}</source>
        <translation>an array of points {&quot;rpm&quot;: speed, &quot;powerHp&quot;: power} is needed</translation>
    </message>
    <message>
        <source>точка %1 должна быть {&quot;rpm&quot;: число, &quot;powerHp&quot;: число}</source>
        <translation>point %1 must be {&quot;rpm&quot;: number, &quot;powerHp&quot;: number}</translation>
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
    <name>kelvarin::DeviceWrite</name>
    <message>
        <source>канал никто не читает</source>
        <translation>nobody reads the pipe</translation>
    </message>
</context>
<context>
    <name>kelvarin::DxfTemplates</name>
    <message>
        <source>чертёж DXF вышел бы из %1 точек, а больше %2 станки и программы резки не принимают; проверьте диаметр и шаг винта</source>
        <translation>the DXF drawing would have %1 points, but cutting machines and programs accept no more than %2; check the propeller diameter and pitch</translation>
    </message>
</context>
<context>
    <name>kelvarin::EngineBalance</name>
    <message>
        <source>Винт слишком тяжел для двигателя: он поглощает больше мощности двигателя уже при %1 об/мин, а номинальные обороты %2 об/мин.</source>
        <translation>The propeller is far too heavy for the engine: it absorbs more than the engine&apos;s power already at %1 rpm, and the rated speed is %2 rpm.</translation>
    </message>
    <message>
        <source>Винт слишком легок для двигателя: даже при %1 об/мин он поглощает меньше мощности двигателя; номинальные обороты %2 об/мин.</source>
        <translation>The propeller is far too light for the engine: even at %1 rpm it absorbs less than the engine&apos;s power; the rated speed is %2 rpm.</translation>
    </message>
    <message>
        <source>Обороты равновесия винта с двигателем найти не удалось: расчет не сходится.</source>
        <translation>The rpm at which the engine balances the propeller could not be found: the analysis does not converge.</translation>
    </message>
    <message>
        <source>Двигатель выходит на номинальные обороты: %1 об/мин при номинальных %2 об/мин.</source>
        <translation>The engine reaches its rated speed: %1 rpm against the rated %2 rpm.</translation>
    </message>
    <message>
        <source>Двигатель не наберет номинальных оборотов: винт тяжел, обороты только %1 об/мин — на %2 об/мин (%3 %) меньше номинальных %4 об/мин.</source>
        <translation>The engine will not reach its rated speed: the propeller is heavy, only %1 rpm — %2 rpm (%3 %) below the rated %4 rpm.</translation>
    </message>
    <message>
        <source>Двигатель раскрутится выше номинальных оборотов: винт легок, обороты %1 об/мин — на %2 об/мин (%3 %) больше номинальных %4 об/мин.</source>
        <translation>The engine will overspeed: the propeller is light, %1 rpm — %2 rpm (%3 %) above the rated %4 rpm.</translation>
    </message>
    <message>
        <source>на месте</source>
        <translation>at rest</translation>
    </message>
    <message>
        <source>при %1 км/ч</source>
        <translation>at %1 km/h</translation>
    </message>
    <message>
        <source>С двигателем %1: тяга %2 кгс при %3 об/мин, мощность %4 л.с., КПД %5, число Маха конца лопасти %6</source>
        <translation>With the engine %1: thrust %2 kgf at %3 rpm, power %4 hp, efficiency %5, blade tip Mach %6</translation>
    </message>
    <message>
        <source>С двигателем %1: %2</source>
        <translation>With the engine %1: %2</translation>
    </message>
</context>
<context>
    <name>kelvarin::EngineMatch</name>
    <message>
        <source> Подойдет диаметр около %1 см.</source>
        <translation> A diameter of about %1 cm would match.</translation>
    </message>
    <message>
        <source>Подобрать шаг под двигатель нельзя: диаметр %1 см вне пределов расчета (от %2 до %3 см).</source>
        <translation>The pitch cannot be matched to the engine: the diameter %1 cm is outside the analysis&apos;s range (%2 to %3 cm).</translation>
    </message>
    <message>
        <source>Шаг под двигатель не подобрать: диаметр %1 см велик для %2 л.с. при %3 об/мин — винт поглощает больше даже с шагом %4 м.</source>
        <translation>No pitch matches the engine: the diameter %1 cm is too large for %2 hp at %3 rpm — the propeller absorbs more even with a pitch of %4 m.</translation>
    </message>
    <message>
        <source>Шаг под двигатель не подобрать: диаметр %1 см мал для %2 л.с. при %3 об/мин — винт поглощает меньше даже с шагом %4 м.</source>
        <translation>No pitch matches the engine: the diameter %1 cm is too small for %2 hp at %3 rpm — the propeller absorbs less even with a pitch of %4 m.</translation>
    </message>
    <message>
        <source>Шаг под двигатель не подобрать: расчет винта не сходится.</source>
        <translation>No pitch matches the engine: the analysis of the propeller does not converge.</translation>
    </message>
</context>
<context>
    <name>kelvarin::EnginePowerCurve</name>
    <message>
        <source>В кривой мощности двигателя должно быть от 2 до %1 точек, а их %2.</source>
        <translation>An engine power curve needs 2 to %1 points, and it has %2.</translation>
    </message>
    <message>
        <source>Кривая мощности, точка %1: обороты должны быть от %2 до %3 об/мин, задано: %4.</source>
        <translation>Power curve, point %1: the rpm must be from %2 to %3 rpm, given: %4.</translation>
    </message>
    <message>
        <source>Кривая мощности, точка %1: обороты (%2 об/мин) должны быть больше, чем в предыдущей точке (%3 об/мин).</source>
        <translation>Power curve, point %1: the rpm (%2 rpm) must be above the previous point&apos;s (%3 rpm).</translation>
    </message>
    <message>
        <source>Кривая мощности, точка %1: мощность должна быть больше 0 и не больше %2 л.с., задано: %3 л.с.</source>
        <translation>Power curve, point %1: the power must be above 0 and at most %2 hp, given: %3 hp.</translation>
    </message>
</context>
<context>
    <name>kelvarin::EnginePowerEditor</name>
    <message>
        <source>Своя кривая мощности двигателя (иначе крутящий момент постоянен ниже номинальных оборотов)</source>
        <translation>Own engine power curve (otherwise constant torque below the rated rpm)</translation>
    </message>
    <message>
        <source>Обороты винта, об/мин</source>
        <translation>Propeller speed, rpm</translation>
    </message>
    <message>
        <source>Мощность, л.с.</source>
        <translation>Power, hp</translation>
    </message>
    <message>
        <source>Добавить точку</source>
        <translation>Add Point</translation>
    </message>
    <message>
        <source>Удалить точку</source>
        <translation>Remove Point</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Кривая мощности, строка %1: нужны два числа — обороты и мощность. Действует прежняя кривая.</source>
        <translation>Power curve, row %1: two numbers are needed, rpm and power. The previous curve stays in force.</translation>
    </message>
    <message>
        <source>В кривой мощности двигателя нет точек. Действует прежняя кривая.</source>
        <translation>The engine power curve has no points. The previous curve stays in force.</translation>
    </message>
    <message>
        <source>Действует прежняя кривая.</source>
        <translation>The previous curve stays in force.</translation>
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
    <message>
        <source>Непредвиденная ошибка</source>
        <translation>Unexpected error</translation>
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
    <name>kelvarin::FieldTextRule</name>
    <message>
        <source>текст длиной %1 символов, а в поле помещается не больше %2</source>
        <translation>the text has %1 characters, but the field holds at most %2</translation>
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
    <name>kelvarin::GeometryFile</name>
    <message>
        <source>это не обычный файл, а канал или устройство</source>
        <translation>it is not a regular file but a pipe or a device</translation>
    </message>
    <message>
        <source>слишком много символических ссылок подряд</source>
        <translation>too many symbolic links in a row</translation>
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
        <source>такого файла нет</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>Файл геометрии «%1»</source>
        <translation>Geometry file “%1”</translation>
    </message>
    <message>
        <source>%1относительный радиус «%2» — не число (дробную часть отделяйте точкой, а при разделителе «;» можно и запятой).</source>
        <translation>%1relative radius “%2” is not a number (separate the fraction with a point, or with a comma where fields are separated by “;”).</translation>
    </message>
    <message>
        <source>%1относительная хорда «%2» — не число (дробную часть отделяйте точкой, а при разделителе «;» можно и запятой).</source>
        <translation>%1relative chord “%2” is not a number (separate the fraction with a point, or with a comma where fields are separated by “;”).</translation>
    </message>
    <message>
        <source>%1угол установки «%2» — не число (дробную часть отделяйте точкой, а при разделителе «;» можно и запятой).</source>
        <translation>%1blade angle “%2” is not a number (separate the fraction with a point, or with a comma where fields are separated by “;”).</translation>
    </message>
    <message>
        <source>%1относительная толщина «%2» — не число (дробную часть отделяйте точкой, а при разделителе «;» можно и запятой).</source>
        <translation>%1thickness ratio “%2” is not a number (separate the fraction with a point, or with a comma where fields are separated by “;”).</translation>
    </message>
    <message>
        <source>%1относительная кривизна «%2» — не число (дробную часть отделяйте точкой, а при разделителе «;» можно и запятой).</source>
        <translation>%1camber ratio “%2” is not a number (separate the fraction with a point, or with a comma where fields are separated by “;”).</translation>
    </message>
    <message>
        <source>%1, строка %2: </source>
        <translation>%1, line %2: </translation>
    </message>
    <message>
        <source>строка длиннее %1 символов.</source>
        <translation>the line is longer than %1 characters.</translation>
    </message>
    <message>
        <source>нужно 4 числа через запятую (относительный радиус, относительная хорда, угол установки в градусах, относительная толщина; пятым числом можно указать относительную кривизну), а найдено %1.</source>
        <translation>4 numbers separated by commas are needed (relative radius, relative chord, blade angle in degrees, thickness ratio; a fifth number may give the camber ratio), but %1 were found.</translation>
    </message>
    <message>
        <source>станций больше %1.</source>
        <translation>more than %1 stations.</translation>
    </message>
    <message>
        <source>%1: не удалось дочитать файл.</source>
        <translation>%1: the file could not be read to the end.</translation>
    </message>
    <message>
        <source>%1: нет ни одной станции (строки «r/R, c/R, угол, t/c»).</source>
        <translation>%1: there are no stations (lines “r/R, c/R, angle, t/c”).</translation>
    </message>
    <message>
        <source>Не удалось открыть файл геометрии «%1»: %2.</source>
        <translation>Could not open the geometry file “%1”: %2.</translation>
    </message>
    <message>
        <source>Файл геометрии «%1» больше мегабайта: это не таблица станций лопасти.</source>
        <translation>Geometry file “%1” is larger than a megabyte: it cannot be a table of blade stations.</translation>
    </message>
</context>
<context>
    <name>kelvarin::HubDialog</name>
    <message>
        <source>Ступица</source>
        <translation>Hub</translation>
    </message>
    <message>
        <source> мм</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>по корню лопасти</source>
        <translation>following the root</translation>
    </message>
    <message>
        <source>Диаметр ступицы:</source>
        <translation>Hub diameter:</translation>
    </message>
    <message>
        <source>Толщина ступицы:</source>
        <translation>Hub thickness:</translation>
    </message>
    <message>
        <source>без отверстия</source>
        <translation>no bore</translation>
    </message>
    <message>
        <source>Центральное отверстие:</source>
        <translation>Centre bore:</translation>
    </message>
    <message>
        <source>Окружность болтов:</source>
        <translation>Bolt circle:</translation>
    </message>
    <message>
        <source>без отверстий</source>
        <translation>no holes</translation>
    </message>
    <message>
        <source>Число отверстий под болты:</source>
        <translation>Number of bolt holes:</translation>
    </message>
    <message>
        <source>Диаметр отверстий под болты:</source>
        <translation>Bolt hole diameter:</translation>
    </message>
    <message>
        <source>без скругления</source>
        <translation>no fillet</translation>
    </message>
    <message>
        <source>Скругление лопасти у ступицы:</source>
        <translation>Fillet between blade and hub:</translation>
    </message>
    <message>
        <source>Толщина задней кромки не меньше:</source>
        <translation>Trailing edge at least:</translation>
    </message>
    <message>
        <source>По умолчанию ступица подходит к распространенному фланцу редуктора малых двухтактных двигателей: отверстие 40 мм, 6 болтов M8 на окружности 75 мм.</source>
        <translation>By default the hub fits the common propeller flange of the reduction gearboxes of small two-stroke engines: a 40 mm bore, 6 M8 bolts on a 75 mm circle.</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
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
        <translation>Zoom the section</translation>
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
        <translation>Open the help</translation>
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
        <translation>Not enough memory to draw the section</translation>
    </message>
    <message>
        <source>Таблица сечений</source>
        <translation>Station table</translation>
    </message>
    <message>
        <source>&amp;Углы лопасти</source>
        <translation>&amp;Blade angles</translation>
    </message>
    <message>
        <source>Шаг, который несут углы лопасти на 0,75 радиуса, рядом с шагом в поле «Шаг винта»: правило углов выбирается в меню Винт → Углы лопасти</source>
        <translation>The pitch the blade angles carry at 0.75 of the radius, beside the pitch in the field “Propeller pitch”: the angle rule is chosen in Propeller → Blade angles</translation>
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
    <name>kelvarin::MessageText</name>
    <message>
        <source>,</source>
        <comment>decimal mark of a number in a message</comment>
        <translation>.</translation>
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
        <translation>Save Left-Hand Propeller Model</translation>
    </message>
    <message>
        <source>Сохранить модель винта</source>
        <translation>Save Propeller Model</translation>
    </message>
    <message>
        <source>Модель левого винта</source>
        <translation>Left-Hand Propeller Model</translation>
    </message>
    <message>
        <source>&amp;Ступица…</source>
        <translation>&amp;Hub…</translation>
    </message>
    <message>
        <source>Ступица модели: диаметр, толщина, центральное отверстие, отверстия под болты, скругление и толщина задней кромки</source>
        <translation>The model&apos;s hub: diameter, thickness, centre bore, bolt holes, fillet and trailing edge thickness</translation>
    </message>
</context>
<context>
    <name>kelvarin::ModelCommand</name>
    <message>
        <source>укажите файл модели: -o ФАЙЛ.step или -o ФАЙЛ.stl</source>
        <translation>specify the model file: -o FILE.step or -o FILE.stl</translation>
    </message>
    <message>
        <source>-o %1: модель сохраняется в файлы .step, .stp или .stl</source>
        <translation>-o %1: the model is saved to .step, .stp or .stl files</translation>
    </message>
    <message>
        <source>винт как твердое тело: STEP для станков с ЧПУ, STL для 3D-печати</source>
        <translation>the propeller as a solid: STEP for CNC, STL for 3D printing</translation>
    </message>
    <message>
        <source>--%1: %2 не число</source>
        <translation>--%1: %2 is not a number</translation>
    </message>
    <message>
        <source>--holes: %1 — число отверстий должно быть целым от %2 до %3</source>
        <translation>--holes: %1 — the number of holes must be a whole number from %2 to %3</translation>
    </message>
    <message>
        <source>--load-rpm должна быть больше нуля, --thrust и --torque не меньше нуля</source>
        <translation>--load-rpm must be greater than zero, --thrust and --torque not less than zero</translation>
    </message>
    <message>
        <source>Использование: kelvarin-cli model [ПРОЕКТ.kelvarin] [параметры] -o ФАЙЛ.step|ФАЙЛ.stl
               kelvarin-cli model [ПРОЕКТ.kelvarin] [параметры] --info

Рассчитывает винт и записывает его как одно замкнутое твердое тело в
миллиметрах: обе лопасти по сечениям 3–11 и круглая ступица между ними; ось
вращения — Z, лопасти вдоль X. Формат задает расширение файла: .step или .stp —
STEP AP214 для станков с ЧПУ и САПР; .stl — двоичный STL для 3D-печати
(отклонение сетки от поверхности не больше 0,05 мм).

Ступица по умолчанию подходит к распространенному фланцу редуктора малых
двухтактных двигателей: центральное отверстие 40 мм, 6 отверстий 8,5 мм под
болты M8 на окружности 75 мм. Диаметр и толщина ступицы 0 — по корню лопасти.
Задняя кромка утолщена до 1 мм и скруглена; конец лопасти скруглен.

Пример: kelvarin-cli model винт.kelvarin -o винт.step --left-hand --bore 30

  -o, --output ФАЙЛ    файл модели (заменяется целиком, только когда новый
                       записан полностью)
  --left-hand          левый винт: зеркальная модель, для двигателя,
                       вращающегося в другую сторону (по умолчанию правый: если
                       смотреть сзади по направлению полета, вращается по
                       часовой стрелке)
  --hub-diameter ММ    диаметр ступицы (0 — по корню лопасти)
  --hub-thickness ММ   толщина ступицы вдоль оси (0 — по корню лопасти)
  --bore ММ            центральное отверстие (по умолчанию 40, 0 — без него)
  --bolt-circle ММ     диаметр окружности болтов (по умолчанию 75)
  --holes ЧИСЛО        число отверстий под болты (по умолчанию 6, 0 — без них)
  --hole ММ            диаметр отверстий под болты (по умолчанию 8,5)
  --fillet ММ          радиус скругления лопасти у ступицы (по умолчанию 3)
  --trailing-edge ММ   наименьшая толщина задней кромки (по умолчанию 1)
  --info               вывести размеры заготовки, объем, массу, центр масс и
                       прочность лопасти по сечениям
  --wood ПОРОДА        pine (сосна, 515 кг/м³), birch (береза, 694), ash
                       (ясень, 672), beech (бук, 717); по умолчанию pine
  --density КГ/М3      своя плотность древесины вместо плотности породы
  --load-rpm ОБ/МИН    обороты для расчета прочности (по умолчанию расчетные)
  --torque Н·М         крутящий момент винта (по умолчанию мощность двигателя
                       при этих оборотах)
  --thrust Н           тяга винта (по умолчанию идеальная статическая тяга
                       диска при мощности двигателя: с запасом)

Запас прочности — предел прочности древесины при изгибе (Wood Handbook,
FPL-GTR-190, 2010) к сумме напряжений растяжения и изгиба; для деревянных
винтов рекомендуется не меньше 4 (F. E. Weick, Aircraft Propeller Design, 1930).
</source>
        <translation>Usage: kelvarin-cli model [DESIGN.kelvarin] [options] -o FILE.step|FILE.stl
       kelvarin-cli model [DESIGN.kelvarin] [options] --info

Calculates the propeller and writes it as one closed solid in millimetres:
both blades through sections 3-11 and the round hub between them; the
rotation axis is Z, the blades lie along X. The file&apos;s extension sets the
format: .step or .stp - STEP AP214 for CNC machines and CAD; .stl - binary STL
for 3D printing (the mesh within 0.05 mm of the surface).

The default hub fits the common propeller flange of the reduction gearboxes of
small two-stroke engines: a 40 mm centre bore, 6 holes of 8.5 mm for M8 bolts
on a 75 mm circle. A hub diameter or thickness of 0 follows the blade root.
The trailing edge is thickened to 1 mm and rounded; the blade tip is rounded.

Example: kelvarin-cli model prop.kelvarin -o prop.step --left-hand --bore 30

  -o, --output FILE    the model file (replaced whole, only once the new one
                       is completely written)
  --left-hand          a left-hand propeller: the mirrored model, for an engine
                       turning the other way (right-hand by default: seen from
                       behind in the direction of flight, it turns clockwise)
  --hub-diameter MM    hub diameter (0 - following the blade root)
  --hub-thickness MM   hub thickness along the axis (0 - following the root)
  --bore MM            centre bore (40 by default, 0 - none)
  --bolt-circle MM     bolt circle diameter (75 by default)
  --holes NUMBER       number of bolt holes (6 by default, 0 - none)
  --hole MM            bolt hole diameter (8.5 by default)
  --fillet MM          radius of the fillet between blade and hub (3 by default)
  --trailing-edge MM   least trailing edge thickness (1 by default)
  --info               print the blank size, volume, mass, centre of mass and
                       the blade&apos;s strength at each section
  --wood WOOD          pine (515 kg/m3), birch (694), ash (672), beech (717);
                       pine by default
  --density KG/M3      a density of your own instead of the wood&apos;s
  --load-rpm RPM       rpm for the strength (the design&apos;s by default)
  --torque N*M         propeller torque (by default the engine&apos;s power at that
                       rpm)
  --thrust N           propeller thrust (by default the ideal static thrust of
                       the disc at the engine&apos;s power: on the safe side)

The safety factor is the wood&apos;s bending strength (Wood Handbook, FPL-GTR-190,
2010) over the sum of the tensile and bending stresses; wooden propellers are
recommended at least 4 (F. E. Weick, Aircraft Propeller Design, 1930).
</translation>
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
    <name>kelvarin::ModelInfoPanel</name>
    <message>
        <source>Сечение</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Сила, Н</source>
        <translation>Force, N</translation>
    </message>
    <message>
        <source>Растяжение, МПа</source>
        <translation>Tension, MPa</translation>
    </message>
    <message>
        <source>Изгиб, МПа</source>
        <translation>Bending, MPa</translation>
    </message>
    <message>
        <source>Запас</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Древесина:</source>
        <translation>Wood:</translation>
    </message>
    <message>
        <source>Заготовка: %1 × %2 × %3 мм
Объем: %4 см³
Плотность: %5 кг/м³
Масса: %6 кг
Центр масс: %7; %8; %9 мм
Нагрузка: %10 об/мин, тяга %11 Н, момент %12 Н·м</source>
        <translation>Blank: %1 × %2 × %3 mm
Volume: %4 cm³
Density: %5 kg/m³
Mass: %6 kg
Centre of mass: %7; %8; %9 mm
Load: %10 rpm, thrust %11 N, torque %12 N·m</translation>
    </message>
    <message>
        <source>Запас прочности ниже рекомендуемого для деревянных винтов (%1): винт может разрушиться. У корня запас снизится до %1 при %2 об/мин.</source>
        <translation>The safety factor is below the one recommended for wooden propellers (%1): the propeller may break. At the root the factor falls to %1 at %2 rpm.</translation>
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
        <translation>Propeller model not built: the 3D model module %1 cannot be loaded (%2); reinstall the program.</translation>
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
    <name>kelvarin::ModelPreviewDialog</name>
    <message>
        <source>Модель винта</source>
        <translation>Propeller Model</translation>
    </message>
    <message>
        <source>Чтобы повернуть модель, тяните её мышью; колесо мыши приближает и удаляет.</source>
        <translation>Drag the model with the mouse to turn it; the mouse wheel zooms in and out.</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kelvarin::ModelView</name>
    <message>
        <source>Не удалось показать модель: OpenGL не принял программу затенения (%1)</source>
        <translation>Could not show the model: OpenGL did not accept the shader program (%1)</translation>
    </message>
</context>
<context>
    <name>kelvarin::ModuleFile</name>
    <message>
        <source>причина неизвестна</source>
        <translation>reason unknown</translation>
    </message>
    <message>
        <source>Не найден модуль программы %1 (искали %2); переустановите программу.</source>
        <translation>The program module %1 was not found (looked for %2); reinstall the program.</translation>
    </message>
    <message>
        <source>Модуль программы %1 не загружается (%2); переустановите программу.</source>
        <translation>The program module %1 cannot be loaded (%2); reinstall the program.</translation>
    </message>
    <message>
        <source>Модуль программы %1 от другой версии программы; переустановите программу.</source>
        <translation>The program module %1 is from another version of the program; reinstall the program.</translation>
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
    <name>kelvarin::PerfCommand</name>
    <message>
        <source>--%1: %2 не число</source>
        <translation>--%1: %2 is not a number</translation>
    </message>
    <message>
        <source>с --geometry проект не нужен: %1</source>
        <translation>with --geometry no design is needed: %1</translation>
    </message>
    <message>
        <source>--%1 задает проект, а с --geometry винт задан файлом геометрии</source>
        <translation>--%1 describes a design, but with --geometry the propeller is given by a geometry file</translation>
    </message>
    <message>
        <source>с --geometry нужен --diameter D (диаметр винта, см)</source>
        <translation>with --geometry, --diameter D (propeller diameter, cm) is needed</translation>
    </message>
    <message>
        <source>с --geometry нужен --rpm N (обороты)</source>
        <translation>with --geometry, --rpm N (propeller speed) is needed</translation>
    </message>
    <message>
        <source>с --geometry нужен --speeds ОТ:ДО:ШАГ (скорости, км/ч)</source>
        <translation>with --geometry, --speeds FROM:TO:STEP (speeds, km/h) is needed</translation>
    </message>
    <message>
        <source>--blades: %1 не число лопастей; возможно от %2 до %3</source>
        <translation>--blades: %1 is not a valid number of blades; use %2 to %3</translation>
    </message>
    <message>
        <source>--angle-datum: %1 не база угла; возможны chord и face</source>
        <translation>--angle-datum: %1 is not an angle datum; use chord or face</translation>
    </message>
    <message>
        <source>--format: %1 не формат; возможны text, csv и json</source>
        <translation>--format: %1 is not a format; use text, csv or json</translation>
    </message>
    <message>
        <source>--%1 — только вместе с --geometry</source>
        <translation>--%1 is only valid with --geometry</translation>
    </message>
    <message>
        <source>характеристики проекта не рассчитать: %1</source>
        <translation>the design&apos;s performance cannot be calculated: %1</translation>
    </message>
    <message>
        <source>тяга, мощность и КПД винта по скорости полета (проекта или по геометрии)</source>
        <translation>thrust, power and efficiency by flight speed (design or geometry)</translation>
    </message>
    <message>
        <source>--balanced и --rpm взаимоисключающие: с --balanced обороты находятся сами</source>
        <translation>--balanced and --rpm exclude each other: with --balanced the rpm is found</translation>
    </message>
    <message>
        <source>Использование: kelvarin-cli perf [ПРОЕКТ.kelvarin] [исходные данные] [параметры]
       kelvarin-cli perf --geometry ФАЙЛ.csv --diameter D --rpm N --speeds ОТ:ДО:ШАГ
                         [параметры]

Что винт будет делать, как в окне «Характеристики винта»: при каждой скорости
полета тяга (Н и кгс), потребляемая мощность (кВт и л.с.), крутящий момент,
КПД, относительная поступь J и коэффициенты тяги и мощности CT и CP (теория
элемента лопасти с концевыми и корневыми потерями Прандтля). Для проекта также
статическая тяга и обороты, при которых винт поглощает мощность двигателя.

Примеры: kelvarin-cli perf винт.kelvarin --speeds 0:100:5 --altitude 1500
         kelvarin-cli perf --geometry винт.csv --diameter 305 --blades 2 \
             --rpm 1000 --speeds 0:160:10 --angle-datum face --format csv

  --rpm N             обороты винта, об/мин (по умолчанию — частота вращения
                      винта проекта; сам проект от этого не меняется)
  --speeds ОТ:ДО:ШАГ  скорости полета, км/ч (по умолчанию от 0 до большей из
                      скоростей проекта через 5 км/ч)
  --altitude М        высота над уровнем моря, м, от -500 до 11000 (по
                      умолчанию 0)
  --temperature C     температура воздуха, °C, от -80 до 60 (по умолчанию —
                      стандартная на этой высоте); давление стандартное
  --format ФОРМАТ     text (по умолчанию), csv или json; числа всегда с точкой
  --balanced          при каждой скорости — обороты, на которых винт поглощает
                      ровно то, что дает двигатель (по умолчанию его крутящий
                      момент постоянен ниже номинальных оборотов, или по
                      --engine-curve), и что винт делает там; в тексте сверху —
                      тяга на месте и на расчетной скорости и насколько
                      двигатель не доберет или превысит номинальные обороты

Проект: ПРОЕКТ.kelvarin, если указан, а поверх него --power, --vmax, --vdesign,
--by-diameter D, --manual D H, --blade-angles и --engine-curve, как у команды
calc (kelvarin-cli calc --help).
Частота вращения винта проекта берется из файла проекта, а без него — как в
окне при запуске (2300 об/мин); в расчете по диаметру она рассчитывается.
В ручном режиме мощность, обороты и скорости двигателя берутся из полей проекта.

Любой винт по его геометрии вместо проекта (например, продутый в трубе):
  --geometry ФАЙЛ     CSV, по сечению на строку от корня к концу лопасти:
                      r/R, хорда c/R, угол лопасти в градусах, относительная
                      толщина t/c и необязательный пятый столбец —
                      относительная вогнутость f/c (без него она берется по
                      толщине, как у профиля с плоской нижней поверхностью);
                      поля через запятую, точку с запятой, табуляцию или
                      пробел; строки с # и строка заголовков пропускаются;
                      «-» — стандартный ввод
  --diameter D        диаметр винта, см
  --blades N          число лопастей, от 1 до 12 (по умолчанию 2)
  --angle-datum БАЗА  chord — угол хорды от передней кромки к задней (по
                      умолчанию); face — угол плоской нижней поверхности, как
                      в старых отчетах о продувках и по угломеру
С --geometry обязательны --diameter, --rpm и --speeds, а проект и его
исходные данные не принимаются.
</source>
        <translation>Usage: kelvarin-cli perf [DESIGN.kelvarin] [inputs] [options]
       kelvarin-cli perf --geometry FILE.csv --diameter D --rpm N --speeds FROM:TO:STEP
                         [options]

What the propeller will do, as the “Propeller Performance” window shows it: at
each flight speed the thrust (N and kgf), power absorbed (kW and hp), torque,
efficiency, advance ratio J and the thrust and power coefficients CT and CP
(blade element momentum theory with Prandtl&apos;s tip and hub losses). For a
design, also the static thrust and the rpm at which the propeller absorbs the
engine&apos;s power.

Examples: kelvarin-cli perf propeller.kelvarin --speeds 0:100:5 --altitude 1500
          kelvarin-cli perf --geometry propeller.csv --diameter 305 --blades 2 \
              --rpm 1000 --speeds 0:160:10 --angle-datum face --format csv

  --rpm N             propeller speed, rpm (default: the design&apos;s propeller
                      speed; the design itself does not change)
  --speeds FROM:TO:STEP
                      flight speeds, km/h (default: from 0 to the larger of
                      the design&apos;s speeds in steps of 5 km/h)
  --altitude M        altitude above sea level, m, from -500 to 11000
                      (default 0)
  --temperature C     air temperature, °C, from -80 to 60 (default: the
                      standard one at that altitude); standard pressure
  --format FORMAT     text (the default), csv or json; numbers always with a
                      point
  --balanced          at each speed, the rpm at which the propeller absorbs
                      just what the engine gives (by default its torque is
                      constant below the rated rpm, or by --engine-curve),
                      and what the propeller does there; in text, above,
                      the thrust at rest and at the design speed and how far
                      the engine falls short of or overshoots its rated rpm

Design: DESIGN.kelvarin, if given, overridden by --power, --vmax, --vdesign,
--by-diameter D, --manual D H, --blade-angles and --engine-curve, as for the
calc command (kelvarin-cli calc --help). The design&apos;s propeller speed comes
from the design file, else as the window starts (2300 rpm); sizing by diameter
calculates it.
In the manual mode the engine&apos;s power, rpm and speeds come from the design&apos;s
fields.

Any propeller by its geometry instead of a design (one measured in a wind
tunnel, say):
  --geometry FILE     CSV, one station per line from the blade&apos;s root to its
                      tip: r/R, chord c/R, blade angle in degrees, thickness
                      ratio t/c and an optional fifth column, the camber
                      ratio f/c (without it the camber follows the thickness,
                      as for a section with a flat lower face); fields
                      separated by commas, semicolons, tabs or spaces; lines
                      starting with # and a line of headings are skipped;
                      “-” is standard input
  --diameter D        propeller diameter, cm
  --blades N          number of blades, from 1 to 12 (default 2)
  --angle-datum DATUM chord — the angle of the chord from the leading edge to
                      the trailing edge (the default); face — the angle of the
                      flat lower face, as in older wind-tunnel reports and as
                      a protractor measures it
With --geometry, --diameter, --rpm and --speeds are required, and a design and
its inputs are not accepted.
</translation>
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
        <translation>The propeller has not been calculated yet. Enter the inputs in the main window and press “Calculate”: the performance will appear here and follow every calculation.</translation>
    </message>
</context>
<context>
    <name>kelvarin::PerformanceCurves</name>
    <message>
        <source>Диапазон скоростей «%1» нужно задать как начало:конец:шаг в км/ч, например 0:100:5.</source>
        <translation>Speed range “%1” must be given as from:to:step in km/h, for example 0:100:5.</translation>
    </message>
    <message>
        <source>Диапазон скоростей «%1»: начало — не число.</source>
        <translation>Speed range “%1”: the start is not a number.</translation>
    </message>
    <message>
        <source>Диапазон скоростей «%1»: конец — не число.</source>
        <translation>Speed range “%1”: the end is not a number.</translation>
    </message>
    <message>
        <source>Диапазон скоростей «%1»: шаг — не число.</source>
        <translation>Speed range “%1”: the step is not a number.</translation>
    </message>
    <message>
        <source>Конечная скорость диапазона (%1 км/ч) меньше начальной (%2 км/ч).</source>
        <translation>The range&apos;s end speed (%1 km/h) is less than its start (%2 km/h).</translation>
    </message>
    <message>
        <source>Шаг скорости должен быть больше 0 и давать не больше %1 точек, задано: %2 км/ч.</source>
        <translation>The speed step must be above 0 and give at most %1 points, given: %2 km/h.</translation>
    </message>
    <message>
        <source>Мощность двигателя должна быть больше 0 и не больше 5000 л.с., задано: %1 л.с.</source>
        <translation>Engine power must be above 0 and at most 5000 hp, given: %1 hp.</translation>
    </message>
    <message>
        <source>Для кривых тяги по скорости нужна максимальная или расчетная скорость больше 0 км/ч.</source>
        <translation>Thrust curves against speed need a maximum or design speed above 0 km/h.</translation>
    </message>
</context>
<context>
    <name>kelvarin::PerformanceWindow</name>
    <message>
        <source>Характеристики винта</source>
        <translation>Propeller Performance</translation>
    </message>
    <message>
        <source> м</source>
        <translation> m</translation>
    </message>
    <message>
        <source>Высота над уровнем моря, на которой работает винт</source>
        <translation>Altitude above sea level at which the propeller operates</translation>
    </message>
    <message>
        <source>Температура воздуха; давление остается стандартным</source>
        <translation>Air temperature; the pressure stays standard</translation>
    </message>
    <message>
        <source>по стандартной атмосфере</source>
        <translation>Standard atmosphere</translation>
    </message>
    <message>
        <source>Высота над уровнем моря:</source>
        <translation>Altitude:</translation>
    </message>
    <message>
        <source>Температура воздуха:</source>
        <translation>Air temperature:</translation>
    </message>
    <message>
        <source>Тяга и КПД по скорости</source>
        <translation>Thrust and efficiency against speed</translation>
    </message>
    <message>
        <source>Потребная мощность по оборотам</source>
        <translation>Power absorbed against rpm</translation>
    </message>
    <message>
        <source>Расчет характеристик невозможен: %1</source>
        <translation>The performance cannot be calculated: %1</translation>
    </message>
    <message>
        <source>&lt;br&gt;Разрывы кривых — режимы, для которых расчет не сошелся.</source>
        <translation>&lt;br&gt;Gaps in the curves are operating points where the calculation did not converge.</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;small&gt;Воздух: высота %1 м, %2 °C, плотность %3 кг/м³.&lt;/small&gt;</source>
        <translation>&lt;br&gt;&lt;small&gt;Air: altitude %1 m, %2 °C, density %3 kg/m³.&lt;/small&gt;</translation>
    </message>
    <message>
        <source>Скорость, км/ч</source>
        <translation>Speed, km/h</translation>
    </message>
    <message>
        <source>Тяга, кгс</source>
        <translation>Thrust, kgf</translation>
    </message>
    <message>
        <source>КПД, %</source>
        <translation>Efficiency, %</translation>
    </message>
    <message>
        <source>КПД</source>
        <translation>Efficiency</translation>
    </message>
    <message>
        <source>Обороты винта, об/мин</source>
        <translation>Propeller speed, rpm</translation>
    </message>
    <message>
        <source>Мощность, л.с.</source>
        <translation>Power, hp</translation>
    </message>
    <message>
        <source>На месте</source>
        <translation>At rest</translation>
    </message>
    <message>
        <source>При %1 км/ч</source>
        <translation>At %1 km/h</translation>
    </message>
    <message>
        <source>Мощность двигателя</source>
        <translation>Engine power</translation>
    </message>
    <message>
        <source>Обороты двигателя</source>
        <translation>Engine rpm</translation>
    </message>
    <message>
        <source>Статическая тяга &lt;b&gt;%1 кгс при %2 об/мин&lt;/b&gt; (%3 Н; винт поглощает %4 л.с., число Маха конца лопасти %5).</source>
        <translation>Static thrust &lt;b&gt;%1 kgf at %2 rpm&lt;/b&gt; (%3 N; the propeller absorbs %4 hp, blade tip Mach %5).</translation>
    </message>
    <message>
        <source>&lt;br&gt;При %1 км/ч: тяга %2 кгс при %3 об/мин, КПД %4 %.</source>
        <translation>&lt;br&gt;At %1 km/h: thrust %2 kgf at %3 rpm, efficiency %4 %.</translation>
    </message>
    <message>
        <source>&lt;br&gt;На номинальных %1 об/мин винт на месте поглощал бы %2 л.с. при мощности двигателя %3 л.с.</source>
        <translation>&lt;br&gt;At the rated %1 rpm the propeller at rest would absorb %2 hp against the engine&apos;s %3 hp.</translation>
    </message>
    <message>
        <source>Тяга с двигателем</source>
        <translation>Thrust with the engine</translation>
    </message>
    <message>
        <source>Тяга на номинальных оборотах</source>
        <translation>Thrust at the rated rpm</translation>
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
    <name>kelvarin::Program</name>
    <message>
        <source>Для работы Kelvarin нужен графический дисплей, а он не найден (не заданы DISPLAY и WAYLAND_DISPLAY). Запустите программу в графическом сеансе, а без дисплея так: xvfb-run -a kelvarin
</source>
        <translation>Kelvarin needs a graphical display, but none was found (neither DISPLAY nor WAYLAND_DISPLAY is set). Start the program in a graphical session, or without a display like this: xvfb-run -a kelvarin
</translation>
    </message>
</context>
<context>
    <name>kelvarin::PropellerAnalysis</name>
    <message>
        <source>Скорость полета должна быть от 0 до %1 км/ч, задано: %2 км/ч.</source>
        <translation>Flight speed must be from 0 to %1 km/h, given: %2 km/h.</translation>
    </message>
    <message>
        <source>Обороты винта должны быть от %1 до %2 об/мин, задано: %3 об/мин.</source>
        <translation>Propeller speed must be from %1 to %2 rpm, given: %3 rpm.</translation>
    </message>
</context>
<context>
    <name>kelvarin::PropellerGeometry</name>
    <message>
        <source>относительный радиус должен быть больше 0 и не больше 1, задано: %1.</source>
        <translation>the relative radius must be above 0 and at most 1, given: %1.</translation>
    </message>
    <message>
        <source>относительный радиус %1 не больше, чем у предыдущей станции (%2); станции идут от комля к концу лопасти.</source>
        <translation>the relative radius %1 is not larger than the previous station&apos;s (%2); stations go from the blade&apos;s root to its tip.</translation>
    </message>
    <message>
        <source>относительная хорда (доля радиуса) должна быть от 0 до %1, задано: %2.</source>
        <translation>the relative chord (a fraction of the radius) must be from 0 to %1, given: %2.</translation>
    </message>
    <message>
        <source>угол установки должен быть от %1 до %2°, задано: %3°.</source>
        <translation>the blade angle must be from %1 to %2°, given: %3°.</translation>
    </message>
    <message>
        <source>относительная толщина должна быть от %1 до %2 (доля хорды: 0,12 — это 12 %), задано: %3.</source>
        <translation>the thickness ratio must be from %1 to %2 (a fraction of the chord: 0.12 is 12 %), given: %3.</translation>
    </message>
    <message>
        <source>относительная кривизна (доля хорды) должна быть от 0 до %1 (0,04 — это 4 %), задано: %2.</source>
        <translation>the camber ratio (a fraction of the chord) must be from 0 to %1 (0.04 is 4 %), given: %2.</translation>
    </message>
    <message>
        <source>Диаметр винта должен быть от %1 до %2 м, задано: %3 м.</source>
        <translation>Propeller diameter must be from %1 to %2 m, given: %3 m.</translation>
    </message>
    <message>
        <source>Число лопастей должно быть от %1 до %2, задано: %3.</source>
        <translation>The number of blades must be from %1 to %2, given: %3.</translation>
    </message>
    <message>
        <source>Для расчета нужны хотя бы две станции лопасти (от комля к концу), задано: %1.</source>
        <translation>The calculation needs at least two blade stations (from root to tip), given: %1.</translation>
    </message>
    <message>
        <source>Станция %1: %2</source>
        <translation>Station %1: %2</translation>
    </message>
    <message>
        <source>Последняя станция лопасти должна лежать у конца лопасти (относительный радиус не меньше 0,5), задано: %1.</source>
        <translation>The last blade station must lie near the blade tip (relative radius at least 0.5), given: %1.</translation>
    </message>
</context>
<context>
    <name>kelvarin::PropellerSizing</name>
    <message>
        <source>Рассчитанный диаметр винта округляется до нуля: увеличьте мощность двигателя или уменьшите частоту вращения винта или скорость максимальную</source>
        <translation>The calculated propeller diameter rounds to zero: increase the engine power or reduce the propeller speed or the maximum speed</translation>
    </message>
    <message>
        <source>Рассчитанный шаг винта округляется до нуля: увеличьте скорость расчетную или уменьшите частоту вращения винта</source>
        <translation>The calculated propeller pitch rounds to zero: increase the design speed or reduce the propeller speed</translation>
    </message>
    <message>
        <source>Рассчитанный шаг винта округляется до нуля: увеличьте диаметр винта, скорость расчетную или скорость максимальную либо уменьшите мощность двигателя</source>
        <translation>The calculated propeller pitch rounds to zero: increase the propeller diameter, the design speed or the maximum speed, or reduce the engine power</translation>
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
    <name>kelvarin::ReportCommand</name>
    <message>
        <source>отчет Date.html, байт в байт как его записывает окно</source>
        <translation>the report Date.html, byte for byte as the window writes it</translation>
    </message>
    <message>
        <source>Использование: kelvarin-cli report [ПРОЕКТ.kelvarin] [параметры] [-o ФАЙЛ]

Рассчитывает винт и записывает отчет: HTML в кодировке Windows-1251, строки
через CR LF, числа с десятичным разделителем системы (LC_ALL, LC_NUMERIC,
LANG), те же байты, что пишет окно при том же языке системы.

Пример: kelvarin-cli report винт.kelvarin -o Date.html

  -o, --output ФАЙЛ  куда записать отчет (файл заменяется целиком, только когда
                     новый записан полностью); без него или «-» — стандартный
                     вывод
</source>
        <translation>Usage: kelvarin-cli report [DESIGN.kelvarin] [options] [-o FILE]

Calculates the propeller and writes the report: HTML in the Windows-1251
encoding, lines ending in CR LF, numbers with the system&apos;s decimal separator
(LC_ALL, LC_NUMERIC, LANG), the same bytes as the window writes under the
same system language. The report is in Russian in every language.

Example: kelvarin-cli report propeller.kelvarin -o Date.html

  -o, --output FILE  where to write the report (the file is replaced whole,
                     only once the new one is complete); without it or with
                     “-” — standard output
</translation>
    </message>
</context>
<context>
    <name>kelvarin::ReportKeeper</name>
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
    <name>kelvarin::ResultFormat</name>
    <message>
        <source>Скорость</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>км/ч</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Обороты</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>об/мин</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Тяга</source>
        <translation>Thrust</translation>
    </message>
    <message>
        <source>Н</source>
        <translation>N</translation>
    </message>
    <message>
        <source>кгс</source>
        <translation>kgf</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>кВт</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>л.с.</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Момент</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>Н·м</source>
        <translation>N·m</translation>
    </message>
    <message>
        <source>КПД</source>
        <translation>Efficiency</translation>
    </message>
    <message>
        <source>Воздух: высота %1 м, температура %2 °C, плотность %3 кг/м³</source>
        <translation>Air: altitude %1 m, temperature %2 °C, density %3 kg/m³</translation>
    </message>
    <message>
        <source>при %1 об/мин</source>
        <translation>at %1 rpm</translation>
    </message>
    <message>
        <source>не достигается от %1 до %2 об/мин</source>
        <translation>not reached between %1 and %2 rpm</translation>
    </message>
    <message>
        <source>Двигатель: %1 л.с. при %2 об/мин; скорость расчетная %3 км/ч, максимальная %4 км/ч</source>
        <translation>Engine: %1 hp at %2 rpm; design speed %3 km/h, maximum %4 km/h</translation>
    </message>
    <message>
        <source>Статическая тяга при %1 об/мин: %2 кгс (%3 Н), винт поглощает %4 л.с.</source>
        <translation>Static thrust at %1 rpm: %2 kgf (%3 N), the propeller absorbs %4 hp</translation>
    </message>
    <message>
        <source>Статическую тягу при %1 об/мин рассчитать не удалось</source>
        <translation>The static thrust at %1 rpm could not be calculated</translation>
    </message>
    <message>
        <source>Мощность двигателя %1 л.с. винт поглощает: на месте — %2; при %3 км/ч — %4</source>
        <translation>The propeller absorbs the engine&apos;s %1 hp: at rest — %2; at %3 km/h — %4</translation>
    </message>
    <message>
        <source>нет решения</source>
        <translation>no solution</translation>
    </message>
</context>
<context>
    <name>kelvarin::RootJoint</name>
    <message>
        <source>скругление радиусом %1 мм длиннее корня лопасти: уменьшите радиус скругления</source>
        <translation>a fillet of %1 mm radius is longer than the blade root: make the fillet radius smaller</translation>
    </message>
    <message>
        <source>скругление радиусом %1 мм не помещается у корня лопасти: уменьшите радиус скругления</source>
        <translation>a fillet of %1 mm radius does not fit round the blade root: make the fillet radius smaller</translation>
    </message>
    <message>
        <source>корень лопасти уходит обратно в ступицу диаметром %1 мм: задайте ступицу меньше</source>
        <translation>the blade root turns back into the hub of %1 mm diameter: make the hub smaller</translation>
    </message>
    <message>
        <source>скругление радиусом %1 мм не помещается на ступице диаметром %2 мм: уменьшите радиус скругления или задайте ступицу шире</source>
        <translation>a fillet of %1 mm radius does not fit on a hub of %2 mm diameter: make the fillet radius smaller or the hub wider</translation>
    </message>
    <message>
        <source>скругление радиусом %1 мм выходит за торцы ступицы толщиной %2 мм: уменьшите радиус скругления или задайте ступицу не тоньше %3 мм</source>
        <translation>a fillet of %1 mm radius runs over the faces of a hub %2 mm thick: make the fillet radius smaller or the hub at least %3 mm thick</translation>
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
        <translation>Blade tip Mach number %1 is above %2: the air is compressed at the blade tips, and the propeller is very noisy and loses efficiency. Reduce the diameter or the propeller speed (for example, with a reduction drive).</translation>
    </message>
    <message>
        <source>Скорость конца лопасти складывается из окружной скорости и расчетной скорости полета; скорость звука принята %1 м/с, и выше числа Маха %2 винт шумит и теряет КПД. Относительная поступь V/(nD): путь винта за оборот, деленный на диаметр.</source>
        <translation>The blade tip speed combines the rotational speed and the design flight speed; the speed of sound is taken as %1 m/s, and above Mach %2 the propeller is noisy and loses efficiency. Advance ratio V/(nD): the distance the propeller travels in one turn, divided by its diameter.</translation>
    </message>
</context>
<context>
    <name>kelvarin::SaveCommand</name>
    <message>
        <source>--section: %1 не сечение; сечения от %2 до %3</source>
        <translation>--section: %1 is not a section; sections are %2 to %3</translation>
    </message>
    <message>
        <source>укажите файл проекта: -o ФАЙЛ.kelvarin</source>
        <translation>specify the design file: -o FILE.kelvarin</translation>
    </message>
    <message>
        <source>записать файл проекта (.kelvarin), который откроет окно</source>
        <translation>write a design file (.kelvarin) for the window to open</translation>
    </message>
    <message>
        <source>Использование: kelvarin-cli save [ПРОЕКТ.kelvarin] [параметры] -o ФАЙЛ

Записывает проект: тексты шести полей, режим и вид сечения, как их сохраняет
окно (формат описан в docs/design-file.md). Расчет не выполняется: окно
рассчитает проект при открытии.

Пример: kelvarin-cli save --power 20 --rpm 2600 --vmax 60 --vdesign 45 -o мой.kelvarin

  --turned           профиль с углом
  --marks            показывать контрольные точки
  --section N        сечение в окне, от 3 до 11
  -o, --output ФАЙЛ  файл проекта (заменяется целиком, только когда новый
                     записан полностью); «-» — стандартный вывод
</source>
        <translation>Usage: kelvarin-cli save [DESIGN.kelvarin] [options] -o FILE

Writes a design: the texts of the six fields, the mode and the section view,
as the window saves them (the format is described in docs/design-file.md).
Nothing is calculated: the window calculates the design when it opens it.

Example: kelvarin-cli save --power 20 --rpm 2600 --vmax 60 --vdesign 45 -o my.kelvarin

  --turned           the section turned to its angle
  --marks            show the control points
  --section N        the section shown in the window, 3 to 11
  -o, --output FILE  the design file (replaced whole, only once the new one is
                     complete); “-” — standard output
</translation>
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
        <translation>Section at %1 R: %2 mm from the centre</translation>
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
    <name>kelvarin::StationTableView</name>
    <message>
        <source>Сечение</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>r, см</source>
        <translation>r, cm</translation>
    </message>
    <message>
        <source>Ширина b, см</source>
        <translation>Width b, cm</translation>
    </message>
    <message>
        <source>Угол, °</source>
        <translation>Angle, °</translation>
    </message>
    <message>
        <source>Хорда, см</source>
        <translation>Chord, cm</translation>
    </message>
    <message>
        <source>Глубина h, см</source>
        <translation>Depth h, cm</translation>
    </message>
    <message>
        <source>Толщина, мм</source>
        <translation>Thickness, mm</translation>
    </message>
    <message>
        <source>Шаг, м</source>
        <translation>Pitch, m</translation>
    </message>
    <message>
        <source>Геометрический шаг сечения: 2πr·tg угла, путь сечения за оборот по винтовой линии</source>
        <translation>The station’s geometric pitch: 2πr·tan of its angle, the distance it travels in one turn along its helix</translation>
    </message>
    <message>
        <source>Копировать таблицу</source>
        <translation>Copy the table</translation>
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
        <translation>: nothing has been calculated yet; press “Calculate”</translation>
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
        <translation>Template Print Preview</translation>
    </message>
    <message numerus="yes">
        <source>%n лист отправлен на принтер %1</source>
        <translation>
            <numerusform>%n sheet sent to printer %1</numerusform>
            <numerusform>%n sheets sent to printer %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n листа отправлено на принтер %1</source>
        <translation>
            <numerusform>%n sheet sent to printer %1</numerusform>
            <numerusform>%n sheets sent to printer %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n листов отправлено на принтер %1</source>
        <translation>
            <numerusform>%n sheet sent to printer %1</numerusform>
            <numerusform>%n sheets sent to printer %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n лист записан в файл %1</source>
        <translation>
            <numerusform>%n sheet written to the file %1</numerusform>
            <numerusform>%n sheets written to the file %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n листа записано в файл %1</source>
        <translation>
            <numerusform>%n sheet written to the file %1</numerusform>
            <numerusform>%n sheets written to the file %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n листов записано в файл %1</source>
        <translation>
            <numerusform>%n sheet written to the file %1</numerusform>
            <numerusform>%n sheets written to the file %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Не вошло: %1.</source>
        <translation>Left out: %1.</translation>
    </message>
    <message>
        <source>Толщина линий шаблонов</source>
        <translation>Template line width</translation>
    </message>
    <message>
        <source>Толщина линий шаблонов…</source>
        <translation>Template line width…</translation>
    </message>
    <message>
        <source>Толщина линий на бумаге, мм (от 0,1 до 0,5):</source>
        <translation>Line width on paper, mm (0.1 to 0.5):</translation>
    </message>
    <message>
        <source>Шаблоны сохранены в файл %1.</source>
        <translation>Templates saved to the file %1.</translation>
    </message>
    <message>
        <source>Показаны не все шаблоны.</source>
        <translation>Not all templates are shown.</translation>
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
        <source>«%1» — не обычный файл, а канал или устройство; выберите другое имя</source>
        <translation>“%1” is not a regular file but a pipe or a device; choose another name</translation>
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
        <translation>section at %1 R</translation>
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
        <translation>%1 does not fit on a page: it would need %2 sheets, but no more than %3 are printed for one template; choose larger paper or check the propeller diameter and pitch</translation>
    </message>
    <message>
        <source>лист %1 из %2</source>
        <translation>sheet %1 of %2</translation>
    </message>
    <message>
        <source>шаблоны заняли бы лист %1 × %2 м, а больше 20 м по стороне не бывает ни одного станка; проверьте диаметр и шаг винта</source>
        <translation>the templates would take a sheet of %1 × %2 m, but no machine takes more than 20 m a side; check the propeller diameter and pitch</translation>
    </message>
    <message>
        <source>Профиль сечения лопасти %1 радиуса</source>
        <translation>Blade section at %1 R</translation>
    </message>
    <message>
        <source>Вид лопасти в плане, станции %1–%2, %3–%4 мм от центра винта</source>
        <translation>Blade planform, stations %1–%2, %3–%4 mm from the propeller centre</translation>
    </message>
    <message>
        <source>Вид лопасти сбоку, станции %1–%2, %3–%4 мм от центра винта</source>
        <translation>Blade side view, stations %1–%2, %3–%4 mm from the propeller centre</translation>
    </message>
    <message>
        <source>стр. %1</source>
        <translation>p. %1</translation>
    </message>
    <message>
        <source>стр. %1–%2</source>
        <translation>pp. %1–%2</translation>
    </message>
    <message>
        <source>Обзор шаблонов; страниц в задании: %1</source>
        <translation>Template overview; pages in this job: %1</translation>
    </message>
    <message>
        <source>%1 не помещается: задание заняло бы больше %2 страниц; выберите бумагу большего размера или проверьте диаметр и шаг винта</source>
        <translation>%1 does not fit: the job would take more than %2 pages; choose larger paper or check the propeller diameter and pitch</translation>
    </message>
    <message>
        <source>Профили сечений лопасти %1–%2 радиуса</source>
        <translation>Blade sections at %1–%2 R</translation>
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
    <message>
        <source>Шаблоны: %1</source>
        <translation>Templates: %1</translation>
    </message>
</context>
<context>
    <name>kelvarin::TemplatesCommand</name>
    <message>
        <source>--paper %1: бумага A4, Letter или A3</source>
        <translation>--paper %1: use A4, Letter or A3</translation>
    </message>
    <message>
        <source>укажите файл шаблонов: -o ФАЙЛ.pdf, ФАЙЛ.svg или ФАЙЛ.dxf</source>
        <translation>specify the templates file: -o FILE.pdf, FILE.svg or FILE.dxf</translation>
    </message>
    <message>
        <source>-o %1: шаблоны сохраняются в файлы .pdf, .svg или .dxf</source>
        <translation>-o %1: templates are saved to .pdf, .svg or .dxf files</translation>
    </message>
    <message>
        <source>шаблоны сечений и заготовки в натуральную величину: PDF, SVG или DXF</source>
        <translation>section and blank templates at true size: PDF, SVG or DXF</translation>
    </message>
    <message>
        <source>Использование: kelvarin-cli templates [ПРОЕКТ.kelvarin] [параметры] -o ФАЙЛ.pdf|.svg|.dxf

Рассчитывает винт и записывает шаблоны в натуральную величину, как пункт
«Сохранить шаблоны…» окна: девять сечений с подписями и линиями разреза, затем
вид лопасти спереди и сбоку; на каждой странице — мерные линейки 100 мм и
4 дюйма и строка с диаметром, шагом и датой. Формат задает расширение файла:
.pdf — страницы для печати (большое сечение делится на листы с перекрытием
10 мм); .svg — один лист в миллиметрах для Inkscape и лазерных станков;
.dxf — один чертеж в миллиметрах, контуры по слоям, для ЧПУ.

Пример: kelvarin-cli templates винт.kelvarin -o шаблоны.pdf --turned --paper A3

  -o, --output ФАЙЛ  файл шаблонов (заменяется целиком, только когда новый
                     записан полностью)
  --turned           сечения под углом установки, с линиями ширины и
                     опускания (по умолчанию плоские)
  --marks            отметить контрольные точки сечений
  --paper БУМАГА     A4 (по умолчанию), Letter или A3; только для PDF
</source>
        <translation>Usage: kelvarin-cli templates [DESIGN.kelvarin] [options] -o FILE.pdf|.svg|.dxf

Calculates the propeller and writes the templates at true size, as the
window&apos;s “Save Templates…” does: the nine sections with captions and cut
lines, then the blade seen from the front and from the side; every page has
100 mm and 4 inch calibration bars and a line with the diameter, the pitch
and the date. The file&apos;s extension chooses the format: .pdf — pages to print
(a large section is tiled over sheets with 10 mm overlaps); .svg — one sheet
in millimetres for Inkscape and laser cutters; .dxf — one drawing in
millimetres, outlines on layers, for CNC.

Example: kelvarin-cli templates propeller.kelvarin -o templates.pdf --turned --paper A3

  -o, --output FILE  the templates file (replaced whole, only once the new one
                     is complete)
  --turned           sections turned to the blade angle, with the width and
                     drop lines (flat by default)
  --marks            mark the sections&apos; control points
  --paper PAPER      A4 (the default), Letter or A3; PDF only
</translation>
    </message>
</context>
<context>
    <name>kelvarin::TextNumbers</name>
    <message>
        <source>,</source>
        <comment>decimal mark of a number in a message</comment>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>kelvarin::TextToNumber</name>
    <message>
        <source>«%1» не является числом</source>
        <translation>“%1” is not a number</translation>
    </message>
</context>
<context>
    <name>kelvarin::Wood</name>
    <message>
        <source>сосна</source>
        <translation>pine</translation>
    </message>
    <message>
        <source>береза</source>
        <translation>birch</translation>
    </message>
    <message>
        <source>ясень</source>
        <translation>ash</translation>
    </message>
    <message>
        <source>бук</source>
        <translation>beech</translation>
    </message>
</context>
</TS>
