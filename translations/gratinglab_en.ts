<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>AppText</name>
    <message>
        <source>нет дисплея (DISPLAY и WAYLAND_DISPLAY не заданы)</source>
        <translation>no display (DISPLAY and WAYLAND_DISPLAY are not set)</translation>
    </message>
    <message>
        <source>Последние проверки не дошли до папки класса: она не отвечает. Они сохранены на этом компьютере, в папке «%1», и уйдут учителю при следующем запуске программы, или отдайте файл оттуда учителю.</source>
        <translation>The latest checks did not reach the class folder: it does not respond. They are saved on this computer, in the folder «%1», and will go to the teacher the next time the program starts; or give the teacher the file from there.</translation>
    </message>
    <message>
        <source>--screen teacher принимает только файл учителя (.gratinglab-teacher)</source>
        <translation>--screen teacher accepts only a teacher file (.gratinglab-teacher)</translation>
    </message>
    <message>
        <source>параметру --screenshot нужно имя файла</source>
        <translation>--screenshot needs a file name</translation>
    </message>
    <message>
        <source>--screenshot принимает --task КОД вместе с --variant N</source>
        <translation>--screenshot accepts --task CODE only together with --variant N</translation>
    </message>
    <message>
        <source>--source %1 нельзя задать с --task: в задании свет даёт лампа задания</source>
        <translation>--source %1 cannot be given with --task: in a task the light comes from the task&apos;s lamp</translation>
    </message>
    <message>
        <source>--screen: нужно title, procedure, experiment, journal или teacher, а не «%1»</source>
        <translation>--screen: expected title, procedure, experiment, journal or teacher, not «%1»</translation>
    </message>
    <message>
        <source>картинку не удалось закодировать</source>
        <translation>the picture could not be encoded</translation>
    </message>
</context>
<context>
    <name>BenchTexts</name>
    <message>
        <source>Верно !</source>
        <translation>Correct!</translation>
    </message>
    <message>
        <source>Неверно !</source>
        <translation>Wrong!</translation>
    </message>
    <message>
        <source>выбран центральный максимум</source>
        <translation>central maximum selected</translation>
    </message>
    <message>
        <source>выбран максимум %1-го порядка под осью</source>
        <translation>order %1 maximum below the axis selected</translation>
    </message>
    <message>
        <source>выбран максимум %1-го порядка над осью</source>
        <translation>order %1 maximum above the axis selected</translation>
    </message>
    <message>
        <source>d = %1; %2</source>
        <translation>d = %1; %2</translation>
    </message>
    <message>
        <source>%1, k = %2</source>
        <translation>%1, k = %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Длина волны %1 нм, d = %2; %3, y = %4 см</source>
        <translation>Wavelength %1 nm, d = %2; %3, y = %4 cm</translation>
    </message>
    <message>
        <source>d = %1; %2, y = %3 см</source>
        <translation>d = %1; %2, y = %3 cm</translation>
    </message>
    <message>
        <source>d = %1 · 10⁻⁵ м</source>
        <translation>d = %1 · 10⁻⁵ m</translation>
    </message>
    <message>
        <source>λ: %1</source>
        <translation>λ: %1</translation>
    </message>
    <message>
        <source>λ = %1 нм</source>
        <translation>λ = %1 nm</translation>
    </message>
    <message>
        <source>y = %1 см, k = %2</source>
        <translation>y = %1 cm, k = %2</translation>
    </message>
    <message>
        <source>y, см</source>
        <translation>y, cm</translation>
    </message>
    <message>
        <source>F = 50см</source>
        <translation>F = 50cm</translation>
    </message>
    <message>
        <source>фиолетовая граница спектра</source>
        <translation>violet end of the spectrum</translation>
    </message>
    <message>
        <source>красная граница спектра</source>
        <translation>red end of the spectrum</translation>
    </message>
    <message>
        <source>визир не на линии</source>
        <translation>cursor not on the line</translation>
    </message>
    <message>
        <source>ошибка в вычислении</source>
        <translation>calculation error</translation>
    </message>
    <message>
        <source>введите порядок k от 1 до 8</source>
        <translation>enter an order k from 1 to 8</translation>
    </message>
    <message>
        <source>Монохроматический</source>
        <translation>Monochromatic</translation>
    </message>
    <message>
        <source>Лампа: ртутная</source>
        <translation>Lamp: mercury</translation>
    </message>
    <message>
        <source>Лампа: натриевая</source>
        <translation>Lamp: sodium</translation>
    </message>
    <message>
        <source>Лампа: водородная</source>
        <translation>Lamp: hydrogen</translation>
    </message>
    <message>
        <source>Лампа: гелиевая</source>
        <translation>Lamp: helium</translation>
    </message>
    <message>
        <source>Лампа: неоновая</source>
        <translation>Lamp: neon</translation>
    </message>
    <message>
        <source>Лампа: кадмиевая</source>
        <translation>Lamp: cadmium</translation>
    </message>
    <message>
        <source>Белый свет</source>
        <translation>White light</translation>
    </message>
    <message>
        <source>Ртутная лампа</source>
        <translation>Mercury lamp</translation>
    </message>
    <message>
        <source>Натриевая лампа</source>
        <translation>Sodium lamp</translation>
    </message>
    <message>
        <source>Водородная лампа</source>
        <translation>Hydrogen lamp</translation>
    </message>
    <message>
        <source>Гелиевая лампа</source>
        <translation>Helium lamp</translation>
    </message>
    <message>
        <source>Неоновая лампа</source>
        <translation>Neon lamp</translation>
    </message>
    <message>
        <source>Кадмиевая лампа</source>
        <translation>Cadmium lamp</translation>
    </message>
    <message>
        <source>Визир</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>визир y = %1 см</source>
        <translation>cursor y = %1 cm</translation>
    </message>
    <message>
        <source>Источник света</source>
        <translation>Light source</translation>
    </message>
    <message>
        <source>ртуть</source>
        <translation>mercury</translation>
    </message>
    <message>
        <source>натрий</source>
        <translation>sodium</translation>
    </message>
    <message>
        <source>водород</source>
        <translation>hydrogen</translation>
    </message>
    <message>
        <source>гелий</source>
        <translation>helium</translation>
    </message>
    <message>
        <source>неон</source>
        <translation>neon</translation>
    </message>
    <message>
        <source>кадмий</source>
        <translation>cadmium</translation>
    </message>
    <message>
        <source>литий</source>
        <translation>lithium</translation>
    </message>
    <message>
        <source>таллий</source>
        <translation>thallium</translation>
    </message>
    <message>
        <source>%1, %2 нм</source>
        <translation>%1, %2 nm</translation>
    </message>
    <message>
        <source>проверьте k</source>
        <translation>check k</translation>
    </message>
    <message>
        <source>Почти: проверьте округление.</source>
        <translation>Almost: check the rounding.</translation>
    </message>
    <message>
        <source>Введите код задания, который дал учитель.</source>
        <translation>Enter the task code your teacher gave you.</translation>
    </message>
    <message>
        <source>Код задания слишком длинный: не больше %1 знаков.</source>
        <translation>The task code is too long: no more than %1 characters.</translation>
    </message>
    <message>
        <source>В коде задания есть недопустимые служебные символы.</source>
        <translation>The task code contains invalid control characters.</translation>
    </message>
    <message>
        <source>Вариант — целое число от 1 до %1.</source>
        <translation>The variant is a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>Фамилия и имя слишком длинные: не больше %1 знаков.</source>
        <translation>The name is too long: no more than %1 characters.</translation>
    </message>
    <message>
        <source>В фамилии и имени есть недопустимые служебные символы.</source>
        <translation>The name contains invalid control characters.</translation>
    </message>
    <message>
        <source> — контрольное задание, вариант %1</source>
        <translation> — test task, variant %1</translation>
    </message>
    <message>
        <source>Свет от лампы с неизвестной длиной волны</source>
        <translation>Light from a lamp of unknown wavelength</translation>
    </message>
</context>
<context>
    <name>ClassResultsPanel</name>
    <message>
        <source>Указать папку класса…</source>
        <translation>Set class folder…</translation>
    </message>
    <message>
        <source>Где теперь папка класса этого задания; записывается в файл учителя</source>
        <translation>Where the class folder of this task is now; written to the teacher file</translation>
    </message>
    <message>
        <source>Добавить папку…</source>
        <translation>Add folder…</translation>
    </message>
    <message>
        <source>Читать результаты из папки класса и её подпапки «Результаты», с флешки или из загрузок</source>
        <translation>Read results from the class folder and its «Результаты» (results) subfolder, a USB stick or downloads</translation>
    </message>
    <message>
        <source>Добавить файлы…</source>
        <translation>Add files…</translation>
    </message>
    <message>
        <source>Читать отдельные файлы результатов учеников</source>
        <translation>Read separate result files of pupils</translation>
    </message>
    <message>
        <source>Результаты класса</source>
        <translation>Class results</translation>
    </message>
    <message>
        <source>Показывать оценки</source>
        <translation>Show marks</translation>
    </message>
    <message>
        <source>Файлы, которые не учтены</source>
        <translation>Files not counted</translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Таблица для Excel или LibreOffice Calc</source>
        <translation>Table for Excel or LibreOffice Calc</translation>
    </message>
    <message>
        <source>Экспорт оценок в Moodle…</source>
        <translation>Export marks to Moodle…</translation>
    </message>
    <message>
        <source>CSV-файл для импорта оценок в Moodle</source>
        <translation>CSV file for importing marks into Moodle</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation>Save PDF…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
</context>
<context>
    <name>ClassroomTexts</name>
    <message>
        <source>%1 (код %2)</source>
        <translation>%1 (code %2)</translation>
    </message>
    <message>
        <source>вариант %1</source>
        <translation>variant %1</translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Адрес или номер</source>
        <translation>Email or number</translation>
    </message>
    <message>
        <source>λ, нм</source>
        <translation>λ, nm</translation>
    </message>
    <message>
        <source>Проверок</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Решено</source>
        <translation>Solved</translation>
    </message>
    <message>
        <source>Проверок до верного ответа</source>
        <translation>Checks until correct</translation>
    </message>
    <message>
        <source>Первый верный ответ</source>
        <translation>First correct answer</translation>
    </message>
    <message>
        <source>Подсказок</source>
        <translation>Hints</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Запусков</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>файлы расходятся</source>
        <translation>files differ</translation>
    </message>
    <message>
        <source>%1; файлы расходятся</source>
        <translation>%1; files differ</translation>
    </message>
    <message>
        <source>нет результата</source>
        <translation>no result</translation>
    </message>
    <message>
        <source>файл изменён</source>
        <translation>file changed</translation>
    </message>
    <message>
        <source>другое задание (код %1)</source>
        <translation>another task (code %1)</translation>
    </message>
    <message>
        <source>вариант %1, а в задании варианты 1–%2</source>
        <translation>variant %1, but the task has variants 1–%2</translation>
    </message>
    <message>
        <source>ученика «%1» нет в списке класса</source>
        <translation>pupil «%1» is not in the class list</translation>
    </message>
    <message>
        <source>в файле нет имени ученика, а вариант %1 в списке — «%2»</source>
        <translation>the file has no pupil name, and variant %1 in the list is «%2»</translation>
    </message>
    <message>
        <source>вариант %1 не совпадает со списком: у «%2» вариант %3</source>
        <translation>variant %1 does not match the list: «%2» has variant %3</translation>
    </message>
    <message>
        <source>файл изменён: записанный результат проверки не совпадает с повторной проверкой</source>
        <translation>file changed: the stored check result differs from a repeated check</translation>
    </message>
    <message>
        <source>файл изменён: контрольная сумма не сходится</source>
        <translation>file changed: the checksum does not match</translation>
    </message>
    <message>
        <source>повтор: для этого ученика учтён файл «%1»</source>
        <translation>repeat: the file «%1» is already counted for this pupil</translation>
    </message>
    <message>
        <source>файлы расходятся: в учтённом файле «%1» другие проверки</source>
        <translation>files differ: the counted file «%1» has other checks</translation>
    </message>
    <message>
        <source>не читается: %1</source>
        <translation>cannot be read: %1</translation>
    </message>
    <message>
        <source>слишком большой для файла результатов</source>
        <translation>too large for a result file</translation>
    </message>
    <message>
        <source>файл повреждён</source>
        <translation>file damaged</translation>
    </message>
    <message>
        <source>файл повреждён: неверное поле «%1»</source>
        <translation>file damaged: invalid field «%1»</translation>
    </message>
    <message>
        <source>записан более новой версией gratinglab; обновите программу</source>
        <translation>written by a newer version of gratinglab; update the program</translation>
    </message>
    <message>
        <source>не файл результатов gratinglab</source>
        <translation>not a gratinglab result file</translation>
    </message>
    <message>
        <source>нет такой папки или файла</source>
        <translation>no such folder or file</translation>
    </message>
    <message>
        <source>папка не читается: нет доступа или сервер не отвечает</source>
        <translation>the folder cannot be read: no access or the server does not respond</translation>
    </message>
    <message>
        <source>ссылка, а не файл: не читается</source>
        <translation>a link, not a file: not read</translation>
    </message>
    <message>
        <source>не обычный файл: не читается</source>
        <translation>not a regular file: not read</translation>
    </message>
    <message>
        <source>не файл результатов (.gratinglab-result)</source>
        <translation>not a result file (.gratinglab-result)</translation>
    </message>
    <message>
        <source>больше %1 файлов результатов: остальные не прочитаны</source>
        <translation>more than %1 result files: the rest were not read</translation>
    </message>
    <message>
        <source>файл учителя не называет папку класса (он записан без файла задания): укажите папку или файлы результатов параметром --results</source>
        <translation>the teacher file does not name a class folder (it was written without a task file): give the folder or result files with --results</translation>
    </message>
    <message>
        <source>Измерение длины световой волны</source>
        <translation>Measuring the wavelength of light</translation>
    </message>
    <message>
        <source>Список учеников пуст: вставьте по одному ученику в строке или укажите число вариантов.</source>
        <translation>The pupil list is empty: paste one pupil per line or give the number of variants.</translation>
    </message>
    <message>
        <source>Строка %1: пустая строка. Каждая строка — вариант; удалите пустые строки.</source>
        <translation>Line %1: empty line. Each line is a variant; remove empty lines.</translation>
    </message>
    <message>
        <source>Строка %1: нет фамилии и имени перед табуляцией или «;».</source>
        <translation>Line %1: no name before the tab or «;».</translation>
    </message>
    <message>
        <source>Строка %1: больше двух столбцов; нужны только фамилия с именем и адрес или номер.</source>
        <translation>Line %1: more than two columns; only the name and an email or number are needed.</translation>
    </message>
    <message>
        <source>Строка %1: в списке больше %2 учеников.</source>
        <translation>Line %1: the list has more than %2 pupils.</translation>
    </message>
    <message>
        <source>Строка %1: этот ученик уже есть в строке %2. Допишите к одинаковым именам что-нибудь отличающее.</source>
        <translation>Line %1: this pupil is already on line %2. Add something distinctive to identical names.</translation>
    </message>
    <message>
        <source>Строка %1: фамилия и имя длиннее 60 знаков.</source>
        <translation>Line %1: the name is longer than 60 characters.</translation>
    </message>
    <message>
        <source>Строка %1: в фамилии и имени есть недопустимые служебные символы.</source>
        <translation>Line %1: the name contains invalid control characters.</translation>
    </message>
    <message>
        <source>Строка %1: адрес или номер ученика длиннее %2 знаков.</source>
        <translation>Line %1: the pupil&apos;s email or number is longer than %2 characters.</translation>
    </message>
    <message>
        <source>Строка %1: в адресе или номере ученика есть недопустимые служебные символы.</source>
        <translation>Line %1: the pupil&apos;s email or number contains invalid control characters.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл «%1»: %2.</source>
        <translation>Could not read the file «%1»: %2.</translation>
    </message>
    <message>
        <source>Файл «%1» слишком большой: это не файл учителя gratinglab.</source>
        <translation>The file «%1» is too large: it is not a gratinglab teacher file.</translation>
    </message>
    <message>
        <source>Файл «%1» слишком большой: это не файл задания gratinglab.</source>
        <translation>The file «%1» is too large: it is not a gratinglab task file.</translation>
    </message>
    <message>
        <source>Файл учителя «%1» повреждён: линии ключа в нём не те, что даёт код задания. Ключ по такому файлу не выдаётся.</source>
        <translation>The teacher file «%1» is damaged: its key lines are not those given by the task code. No key is given from such a file.</translation>
    </message>
    <message>
        <source>Файл учителя «%1» повреждён и не читается.</source>
        <translation>The teacher file «%1» is damaged and cannot be read.</translation>
    </message>
    <message>
        <source>Файл задания «%1» повреждён и не читается.</source>
        <translation>The task file «%1» is damaged and cannot be read.</translation>
    </message>
    <message>
        <source>Файл учителя «%1» повреждён: неверное поле «%2».</source>
        <translation>The teacher file «%1» is damaged: invalid field «%2».</translation>
    </message>
    <message>
        <source>Файл задания «%1» повреждён: неверное поле «%2».</source>
        <translation>The task file «%1» is damaged: invalid field «%2».</translation>
    </message>
    <message>
        <source>Файл учителя «%1» записан более новой версией gratinglab; обновите программу.</source>
        <translation>The teacher file «%1» was written by a newer version of gratinglab; update the program.</translation>
    </message>
    <message>
        <source>Файл задания «%1» записан более новой версией gratinglab; обновите программу.</source>
        <translation>The task file «%1» was written by a newer version of gratinglab; update the program.</translation>
    </message>
    <message>
        <source>Файл «%1» — не файл учителя gratinglab.</source>
        <translation>The file «%1» is not a gratinglab teacher file.</translation>
    </message>
    <message>
        <source>Файл «%1» — не файл задания gratinglab.</source>
        <translation>The file «%1» is not a gratinglab task file.</translation>
    </message>
    <message>
        <source>«%1» — файл учителя с ключом ответов, а не файл задания для учеников.</source>
        <translation>«%1» is a teacher file with the answer key, not a task file for pupils.</translation>
    </message>
    <message>
        <source>«%1» — файл задания для учеников; ключ ответов есть только в файле учителя (.gratinglab-teacher).</source>
        <translation>«%1» is a task file for pupils; the answer key is only in the teacher file (.gratinglab-teacher).</translation>
    </message>
    <message>
        <source>В «%1» нет линий ключа (поля «lines»): так выглядит файл задания, исправленный под файл учителя, или файл учителя из прежней версии gratinglab. Ключ выдаётся только по файлу учителя с линиями; создайте задание заново.</source>
        <translation>«%1» has no key lines (no «lines» field): this is what a task file edited to look like a teacher file, or a teacher file from an earlier version of gratinglab, looks like. The key is given only from a teacher file with lines; create the task again.</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2.</source>
        <translation>Could not write the file «%1»: %2.</translation>
    </message>
    <message>
        <source>%1, код %2</source>
        <translation>%1, code %2</translation>
    </message>
    <message>
        <source>%1, %2, код %3</source>
        <translation>%1, %2, code %3</translation>
    </message>
    <message>
        <source>Вариант %1</source>
        <translation>Variant %1</translation>
    </message>
    <message>
        <source>Вариант %1 — %2</source>
        <translation>Variant %1 — %2</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1. Откройте в программе gratinglab контрольное задание с кодом &lt;b&gt;%2&lt;/b&gt;, вариант &lt;b&gt;%3&lt;/b&gt;. Измерьте длину волны света лампы и введите ответ в нанометрах (нм) — только число.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1. In gratinglab, open the test task with code &lt;b&gt;%2&lt;/b&gt;, variant &lt;b&gt;%3&lt;/b&gt;. Measure the wavelength of the lamp&apos;s light and enter the answer in nanometres (nm), the number only.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>такого файла нет</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>это папка</source>
        <translation>this is a folder</translation>
    </message>
    <message>
        <source>нет прав на чтение</source>
        <translation>no permission to read</translation>
    </message>
    <message>
        <source>в папке «%1» нет свободного имени для копии</source>
        <translation>the folder «%1» has no free name for a copy</translation>
    </message>
    <message>
        <source>файл «%1» не читается</source>
        <translation>the file «%1» cannot be read</translation>
    </message>
    <message>
        <source>папку «%1» нельзя создать или она не отвечает</source>
        <translation>the folder «%1» cannot be created or does not respond</translation>
    </message>
    <message>
        <source>Оценка: 5 — верный ответ с первой проверки, 4 — верный ответ не позже третьей проверки, 3 — верный ответ позже, 2 — верного ответа нет.</source>
        <translation>Mark: 5 — correct answer at the first check, 4 — correct answer by the third check, 3 — correct answer later, 2 — no correct answer.</translation>
    </message>
    <message>
        <source>Название — одна строка от 1 до %1 знаков.</source>
        <translation>The title is one line of 1 to %1 characters.</translation>
    </message>
    <message>
        <source>Класс — одна строка не длиннее %1 знаков.</source>
        <translation>The class is one line of at most %1 characters.</translation>
    </message>
    <message>
        <source>Число вариантов — от 1 до %1.</source>
        <translation>The number of variants is from 1 to %1.</translation>
    </message>
    <message>
        <source>папку «%1» нельзя создать</source>
        <translation>the folder «%1» cannot be created</translation>
    </message>
    <message>
        <source>Выберите свою фамилию и имя из списка класса.</source>
        <translation>Choose your name from the class list.</translation>
    </message>
    <message>
        <source>«%1» нет в списке класса этого задания.</source>
        <translation>«%1» is not in the class list of this task.</translation>
    </message>
    <message>
        <source>Вариант — целое число от 1 до %1.</source>
        <translation>The variant is a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>папки «%1» нет</source>
        <translation>the folder «%1» does not exist</translation>
    </message>
    <message>
        <source>нет места на диске</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>папка только для чтения</source>
        <translation>the folder is read-only</translation>
    </message>
    <message>
        <source>нет права записи</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>сервер не отвечает</source>
        <translation>the server does not respond</translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>папки больше нет</source>
        <translation>the folder is gone</translation>
    </message>
    <message>
        <source>файл не удалось записать</source>
        <translation>the file could not be written</translation>
    </message>
    <message>
        <source>файл не удалось прочитать</source>
        <translation>the file could not be read</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>%1 Ключ ответов выдаётся только по файлу учителя (.gratinglab-teacher), который записывают окно учителя и --new-task.</source>
        <translation>%1 The answer key is given only from a teacher file (.gratinglab-teacher), which the teacher window and --new-task write.</translation>
    </message>
    <message>
        <source>параметру --results нужна папка или файл</source>
        <translation>--results needs a folder or file</translation>
    </message>
    <message>
        <source>в файл для Moodle не вошли (нет адреса или номера в файле учителя либо нет оценки): %1</source>
        <translation>not included in the Moodle file (no email or number in the teacher file, or no mark): %1</translation>
    </message>
    <message>
        <source>КОД</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>открыть окно как контрольное задание: лампа с неизвестной
длиной волны по коду учителя (от 1 до 32 знаков); без КОДА
или без --variant их спрашивает окно «Контрольное задание»</source>
        <translation>open the window as a test task: a lamp of unknown
wavelength from the teacher&apos;s code (1 to 32
characters); without CODE or --variant the «Test
task» window asks for them</translation>
    </message>
    <message>
        <source>вариант ученика, от 1 до 99</source>
        <translation>the pupil&apos;s variant, 1 to 99</translation>
    </message>
    <message>
        <source>ИМЯ</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>имя ученика, до 60 знаков (необязательно); с файлом
задания, где есть список класса, — имя из этого списка</source>
        <translation>the pupil&apos;s name, up to 60 characters (optional);
with a task file that has a class list, a name from
that list</translation>
    </message>
    <message>
        <source>ФАЙЛ.png</source>
        <translation>FILE.png</translation>
    </message>
    <message>
        <source>записать картину стенда 945 × 445 в PNG, не открывая окна</source>
        <translation>write the bench picture 945 × 445 to PNG without
opening a window</translation>
    </message>
    <message>
        <source>НМ</source>
        <translation>NM</translation>
    </message>
    <message>
        <source>длина волны на шкале, от 380 до 760 нм</source>
        <translation>wavelength on the scale, 380 to 760 nm</translation>
    </message>
    <message>
        <source>ТЕКСТ</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>текст, набранный в поле длины волны (рисуется,
когда выбран порядок)</source>
        <translation>text typed in the wavelength field (drawn when an
order is selected)</translation>
    </message>
    <message>
        <source>постоянная решетки от 1,0 до 3,0 с шагом 0,1
(десятичный знак «,» или «.»)</source>
        <translation>grating constant from 1.0 to 3.0 in steps of 0.1
(decimal sign «,» or «.»)</translation>
    </message>
    <message>
        <source>выбранный порядок, от -8 до 8 (по умолчанию 1); с лампой
или белым светом — порядок, набранный в поле k</source>
        <translation>selected order, -8 to 8 (default 1); with a lamp or
white light, the order typed in the k field</translation>
    </message>
    <message>
        <source>ИСТОЧНИК</source>
        <translation>SOURCE</translation>
    </message>
    <message>
        <source>источник света: mono — одна длина волны (по умолчанию),
white — белый свет, или лампа: hg — ртутная,
na — натриевая, h — водородная, he — гелиевая,
ne — неоновая, cd — кадмиевая</source>
        <translation>light source: mono — one wavelength (default),
white — white light, or a lamp: hg — mercury,
na — sodium, h — hydrogen, he — helium,
ne — neon, cd — cadmium</translation>
    </message>
    <message>
        <source>визир на Y см от оси (от -5 до 5, «,» или «.»),
на ближайшей строке пикселей; с mono он иначе скрыт</source>
        <translation>cursor Y cm from the axis (-5 to 5, «,» or «.»), on
the nearest pixel row; with mono it is hidden
otherwise</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>записать и показания в JSON («-» — стандартный вывод)</source>
        <translation>also write the readings to JSON («-» is standard
output)</translation>
    </message>
    <message>
        <source>записать всё окно %1 с открытым экраном,
нарисованное вне экрана</source>
        <translation>write the whole %1 window with the screen open,
drawn off screen</translation>
    </message>
    <message>
        <source>ЭКРАН</source>
        <translation>SCREEN</translation>
    </message>
    <message>
        <source>title, procedure, experiment, journal или teacher — окно
учителя с заданием из ФАЙЛА учителя (по умолчанию title)</source>
        <translation>title, procedure, experiment, journal or teacher —
the teacher window with the task from the teacher
FILE (default title)</translation>
    </message>
    <message>
        <source>открыть окно учителя: новое задание, ключ ответов, печать,
PDF и экспорт в Moodle; с ФАЙЛОМ учителя — это задание</source>
        <translation>open the teacher window: new task, answer key,
printing, PDF and Moodle export; with a teacher FILE,
that task</translation>
    </message>
    <message>
        <source>без окна записать новое задание: ФАЙЛ учителя
(.gratinglab-teacher) и файл задания для учеников в папке
класса; случайный код для доски — на стандартный вывод</source>
        <translation>write a new task without a window: the teacher FILE
(.gratinglab-teacher) and the task file for pupils in
the class folder; a random code for the board goes to
standard output</translation>
    </message>
    <message>
        <source>ПАПКА</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>папка класса для файла задания (.gratinglab-task)</source>
        <translation>class folder for the task file (.gratinglab-task)</translation>
    </message>
    <message>
        <source>СПИСОК</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>список учеников, UTF-8: по одному в строке, после табуляции
или «;» можно адрес или номер; не больше 99</source>
        <translation>pupil list, UTF-8: one per line, after a tab or «;»
an email or number may follow; at most 99</translation>
    </message>
    <message>
        <source>вместо списка: число вариантов, от 1 до 99</source>
        <translation>instead of a list: the number of variants, 1 to 99</translation>
    </message>
    <message>
        <source>название (по умолчанию «Измерение длины световой волны»)</source>
        <translation>title (default «Measuring the wavelength of light»)</translation>
    </message>
    <message>
        <source>КЛАСС</source>
        <translation>CLASS</translation>
    </message>
    <message>
        <source>класс, например 9Б</source>
        <translation>class, for example 9B</translation>
    </message>
    <message>
        <source>напечатать ключ ответов по ФАЙЛУ учителя: по строке на
вариант (вариант, ученик, длина волны в нм, элемент, символ
через табуляцию)</source>
        <translation>print the answer key from the teacher FILE: one line
per variant (variant, pupil, wavelength in nm,
element, symbol, tab-separated)</translation>
    </message>
    <message>
        <source>записать ключ или отчёт о классе и в PDF (A4)</source>
        <translation>also write the key or the class report to PDF (A4)</translation>
    </message>
    <message>
        <source>записать ключ как тест для Moodle (Moodle XML)</source>
        <translation>write the key as a Moodle quiz (Moodle XML)</translation>
    </message>
    <message>
        <source>результаты класса по ФАЙЛУ учителя: по строке на ученика
(ученик, вариант, длина волны в нм, проверок, решено 1/0,
проверок до верного ответа, оценка через табуляцию); файлы,
которые не учтены, — в поток ошибок с причиной</source>
        <translation>class results from the teacher FILE: one line per
pupil (pupil, variant, wavelength in nm, checks,
solved 1/0, checks until correct, mark,
tab-separated); files not counted go to the error
stream with the reason</translation>
    </message>
    <message>
        <source>ПАПКА|ФАЙЛ</source>
        <translation>FOLDER|FILE</translation>
    </message>
    <message>
        <source>папка класса (с её подпапкой «Результаты») или файл
результата ученика; можно повторять</source>
        <translation>class folder (with the results subfolder it holds) or a
pupil&apos;s result file; may be repeated</translation>
    </message>
    <message>
        <source>записать таблицу и в CSV для Excel или LibreOffice</source>
        <translation>also write the table to CSV for Excel or LibreOffice</translation>
    </message>
    <message>
        <source>записать оценки в CSV для импорта оценок в Moodle</source>
        <translation>write the marks to CSV for importing marks into
Moodle</translation>
    </message>
    <message>
        <source>ЯЗЫК</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>язык программы на этот запуск: ru, en, uk или kk
(без него — по LANGUAGE, LC_ALL, LC_MESSAGES, LANG;
иначе русский)</source>
        <translation>program language for this run: ru, en, uk or kk
(without it, from LANGUAGE, LC_ALL, LC_MESSAGES,
LANG; otherwise Russian)</translation>
    </message>
    <message>
        <source>показать эту справку</source>
        <translation>show this help</translation>
    </message>
    <message>
        <source>показать версию программы</source>
        <translation>show the program version</translation>
    </message>
    <message>
        <source>параметр %1 не принимает значения</source>
        <translation>option %1 takes no value</translation>
    </message>
    <message>
        <source>параметру %1 нужно значение (см. --help)</source>
        <translation>option %1 needs a value (see --help)</translation>
    </message>
    <message>
        <source> или </source>
        <translation> or </translation>
    </message>
    <message>
        <source>неизвестный параметр %1%2 (см. --help)</source>
        <translation>unknown option %1%2 (see --help)</translation>
    </message>
    <message>
        <source>параметр %1 задан дважды</source>
        <translation>option %1 given twice</translation>
    </message>
    <message>
        <source>%1 и %2 нельзя задать вместе</source>
        <translation>%1 and %2 cannot be given together</translation>
    </message>
    <message>
        <source>лишний аргумент «%1» (см. --help)</source>
        <translation>extra argument «%1» (see --help)</translation>
    </message>
    <message>
        <source>неизвестный язык «%1»: --language принимает ru, en, uk или kk</source>
        <translation>unknown language «%1»: --language accepts ru, en, uk or kk</translation>
    </message>
    <message>
        <source>параметр %1 нельзя задать с %2</source>
        <translation>option %1 cannot be given with %2</translation>
    </message>
    <message>
        <source>параметр %1 задаётся только с %2 (см. --help)</source>
        <translation>option %1 is given only with %2 (see --help)</translation>
    </message>
    <message>
        <source>Использование:
  gratinglab [--task [КОД] [--variant N] [--pupil ИМЯ]]
  gratinglab ФАЙЛ.gratinglab-task [--pupil ИМЯ | --variant N]
  gratinglab --render ФАЙЛ.png [--wavelength НМ] [--wavelength-text ТЕКСТ]
             [--grating D] [--order K] [--state ФАЙЛ]
  gratinglab --render ФАЙЛ.png --task КОД --variant N [--grating D]
             [--order K] [--state ФАЙЛ]
  gratinglab --render ФАЙЛ.png --source white|hg|na|h|he|ne|cd [--grating D]
             [--cursor Y] [--order K] [--state ФАЙЛ]
  gratinglab --screenshot ФАЙЛ.png [--screen title|procedure|experiment|journal]
             [--task КОД --variant N [--pupil ИМЯ]] [--source ИСТОЧНИК] [--cursor Y]
  gratinglab --screenshot ФАЙЛ.png --screen teacher ФАЙЛ.gratinglab-teacher
  gratinglab --teacher [ФАЙЛ.gratinglab-teacher]
  gratinglab --new-task ФАЙЛ.gratinglab-teacher --class-folder ПАПКА
             (--pupils СПИСОК | --variants N) [--title ТЕКСТ] [--class КЛАСС]
  gratinglab --answer-key ФАЙЛ.gratinglab-teacher [--pdf ФАЙЛ] [--moodle-xml ФАЙЛ]
  gratinglab --class-report ФАЙЛ.gratinglab-teacher [--results ПАПКА|ФАЙЛ]...
             [--csv ФАЙЛ] [--moodle-csv ФАЙЛ] [--pdf ФАЙЛ]
  gratinglab --help | --version

Без параметров программа открывает своё окно. С файлом задания из папки
класса (.gratinglab-task) окно сразу начинает контрольное задание: ученик
выбирает себя в списке класса (или вводит вариант, если списка нет).

--render рисует картину стенда без окна, какой её показал бы экран
«Эксперимент» после таких шагов: запуск; ползунок передвинут на НМ;
постоянная решетки увеличена от 1,0 до D; в поле длины волны набран ТЕКСТ;
выбран максимум порядка K. С --task КОД --variant N ползунок стоит на линии
лампы этого варианта, а --wavelength и --wavelength-text не задаются.
С --source white или лампой стенд освещают все её линии (или весь спектр):
длину волны не задают, максимумы не выбирают, визир стоит на Y, а K набран
в поле порядка k.

Параметры:
</source>
        <translation>Usage:
  gratinglab [--task [CODE] [--variant N] [--pupil NAME]]
  gratinglab FILE.gratinglab-task [--pupil NAME | --variant N]
  gratinglab --render FILE.png [--wavelength NM] [--wavelength-text TEXT]
             [--grating D] [--order K] [--state FILE]
  gratinglab --render FILE.png --task CODE --variant N [--grating D]
             [--order K] [--state FILE]
  gratinglab --render FILE.png --source white|hg|na|h|he|ne|cd [--grating D]
             [--cursor Y] [--order K] [--state FILE]
  gratinglab --screenshot FILE.png
             [--screen title|procedure|experiment|journal]
             [--task CODE --variant N [--pupil NAME]] [--source SOURCE]
             [--cursor Y]
  gratinglab --screenshot FILE.png --screen teacher FILE.gratinglab-teacher
  gratinglab --teacher [FILE.gratinglab-teacher]
  gratinglab --new-task FILE.gratinglab-teacher --class-folder FOLDER
             (--pupils LIST | --variants N) [--title TEXT] [--class CLASS]
  gratinglab --answer-key FILE.gratinglab-teacher [--pdf FILE]
             [--moodle-xml FILE]
  gratinglab --class-report FILE.gratinglab-teacher [--results FOLDER|FILE]...
             [--csv FILE] [--moodle-csv FILE] [--pdf FILE]
  gratinglab --help | --version

Without options the program opens its window. With a task file from the
class folder (.gratinglab-task) the window starts the test task at once: the
pupil chooses their name in the class list (or enters a variant if there is
no list).

--render draws the bench picture without a window, as the «Experiment»
screen would show it after these steps: start; slider moved to NM; grating
constant raised from 1.0 to D; TEXT typed in the wavelength field; maximum
of order K selected. With --task CODE --variant N the slider stands on the
line of that variant&apos;s lamp, and --wavelength and --wavelength-text are not
given. With --source white or a lamp, the bench is lit by all its lines (or
the whole spectrum): no wavelength is given, no maximum is selected, the
cursor stands at Y, and K is typed in the order field k.

Options:
</translation>
    </message>
    <message>
        <source>
Каждый параметр со значением пишется и как --параметр=значение.

Код выхода: 0 — готово; 1 — ТЕКСТ не целое число (картина и показания всё
равно записаны, насколько нарисованы); 2 — неверные параметры, файл, который
нельзя прочитать, или файл, который нельзя записать (тогда не записано ничего).
С --class-report файлы результатов, которые не учтены, кода выхода не меняют.
</source>
        <translation>
Every option with a value can also be written as --option=value.

Exit code: 0 — done; 1 — TEXT is not a whole number (the picture and the
readings are still written as far as drawn); 2 — invalid options, a file
that cannot be read, or a file that cannot be written (then nothing is
written). With --class-report, result files not counted do not change the
exit code.
</translation>
    </message>
    <message>
        <source>параметру --%1 нужно имя файла</source>
        <translation>--%1 needs a file name</translation>
    </message>
    <message>
        <source>не удаётся записать «%1»: %2</source>
        <translation>cannot write «%1»: %2</translation>
    </message>
    <message>
        <source>--pupils «%1»: файл слишком большой для списка класса</source>
        <translation>--pupils «%1»: the file is too large for a class list</translation>
    </message>
    <message>
        <source>--pupils: не удалось прочитать файл «%1»: %2</source>
        <translation>--pupils: could not read the file «%1»: %2</translation>
    </message>
    <message>
        <source>--pupils «%1»: список должен быть в кодировке UTF-8</source>
        <translation>--pupils «%1»: the list must be in UTF-8 encoding</translation>
    </message>
    <message>
        <source>параметру --new-task нужно имя файла учителя</source>
        <translation>--new-task needs a teacher file name</translation>
    </message>
    <message>
        <source>--new-task: нужна --class-folder ПАПКА — папка класса для файла задания</source>
        <translation>--new-task: --class-folder FOLDER is needed, the class folder for the task file</translation>
    </message>
    <message>
        <source>--class-folder: папки «%1» нет</source>
        <translation>--class-folder: the folder «%1» does not exist</translation>
    </message>
    <message>
        <source>--new-task: нужен либо --pupils СПИСОК, либо --variants N</source>
        <translation>--new-task: either --pupils LIST or --variants N is needed</translation>
    </message>
    <message>
        <source>--variants: нужно целое число от 1 до 99, а не «%1»</source>
        <translation>--variants: a whole number from 1 to 99 is needed, not «%1»</translation>
    </message>
    <message>
        <source>папки «%1» нет</source>
        <translation>the folder «%1» does not exist</translation>
    </message>
    <message>
        <source>файл «%1» уже есть; новое задание его не заменяет — выберите другое имя</source>
        <translation>the file «%1» already exists; a new task does not replace it — choose another name</translation>
    </message>
    <message>
        <source>--render принимает --task КОД вместе с --variant N, без --pupil</source>
        <translation>--render accepts --task CODE together with --variant N, without --pupil</translation>
    </message>
    <message>
        <source>параметру --render нужно имя файла</source>
        <translation>--render needs a file name</translation>
    </message>
    <message>
        <source>параметру --state нужно имя файла</source>
        <translation>--state needs a file name</translation>
    </message>
    <message>
        <source>--wavelength: нужно целое число от 380 до 760, а не «%1»</source>
        <translation>--wavelength: a whole number from 380 to 760 is needed, not «%1»</translation>
    </message>
    <message>
        <source>--grating: нужно одно из 1,0; 1,1; … 3,0, а не «%1»</source>
        <translation>--grating: one of 1.0; 1.1; … 3.0 is needed, not «%1»</translation>
    </message>
    <message>
        <source>--order: нужно целое число от -8 до 8, а не «%1»</source>
        <translation>--order: a whole number from -8 to 8 is needed, not «%1»</translation>
    </message>
    <message>
        <source>--wavelength и --wavelength-text нельзя задать с --source %1: длины волн даёт источник</source>
        <translation>--wavelength and --wavelength-text cannot be given with --source %1: the source gives the wavelengths</translation>
    </message>
    <message>
        <source>--source %1 нельзя задать с --task: в задании свет даёт лампа задания</source>
        <translation>--source %1 cannot be given with --task: in a task the light comes from the task&apos;s lamp</translation>
    </message>
    <message>
        <source>--wavelength и --wavelength-text нельзя задать с --task: длину волны задаёт лампа</source>
        <translation>--wavelength and --wavelength-text cannot be given with --task: the lamp sets the wavelength</translation>
    </message>
    <message>
        <source>--source: нужно одно из %1, а не «%2»</source>
        <translation>--source: one of %1 is needed, not «%2»</translation>
    </message>
    <message>
        <source>--cursor: нужно расстояние от оси в см, от -5 до 5, а не «%1»</source>
        <translation>--cursor: a distance from the axis in cm, -5 to 5, is needed, not «%1»</translation>
    </message>
    <message>
        <source>файл задания и --task нельзя задать вместе: код уже в файле</source>
        <translation>a task file and --task cannot be given together: the file has the code</translation>
    </message>
    <message>
        <source>в этом задании вариант следует из списка класса: задайте --pupil ИМЯ, а не --variant</source>
        <translation>in this task the variant follows from the class list: give --pupil NAME, not --variant</translation>
    </message>
    <message>
        <source>--variant и --pupil задаются только вместе с --task КОД (см. --help)</source>
        <translation>--variant and --pupil are given only together with --task CODE (see --help)</translation>
    </message>
</context>
<context>
    <name>ExperimentScreen</name>
    <message>
        <source>QGroupBox { border: 1px solid palette(mid); border-radius: 3px; }</source>
        <translation>QGroupBox { border: 1px solid palette(mid); border-radius: 3px; }</translation>
    </message>
    <message>
        <source>Оптический стенд</source>
        <translation>Optical bench</translation>
    </message>
    <message>
        <source>Решетка, линза и экран с дифракционными максимумами</source>
        <translation>Grating, lens and screen with the diffraction maxima</translation>
    </message>
    <message>
        <source>pic_lens</source>
        <translation>pic_lens</translation>
    </message>
    <message>
        <source>pic_left_pressed</source>
        <translation>pic_left_pressed</translation>
    </message>
    <message>
        <source>pic_right_pressed</source>
        <translation>pic_right_pressed</translation>
    </message>
    <message>
        <source>pic_left_released</source>
        <translation>pic_left_released</translation>
    </message>
    <message>
        <source>pic_right_released</source>
        <translation>pic_right_released</translation>
    </message>
    <message>
        <source>Центральный максимум</source>
        <translation>Central maximum</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать центральный максимум</source>
        <translation>Click to select the central maximum</translation>
    </message>
    <message>
        <source>Максимум 1-го порядка над осью</source>
        <translation>1st order maximum above the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 1-го порядка над осью</source>
        <translation>Click to select the 1st order maximum above the axis</translation>
    </message>
    <message>
        <source>Максимум 2-го порядка над осью</source>
        <translation>2nd order maximum above the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 2-го порядка над осью</source>
        <translation>Click to select the 2nd order maximum above the axis</translation>
    </message>
    <message>
        <source>Максимум 3-го порядка над осью</source>
        <translation>3rd order maximum above the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 3-го порядка над осью</source>
        <translation>Click to select the 3rd order maximum above the axis</translation>
    </message>
    <message>
        <source>Максимум 4-го порядка над осью</source>
        <translation>4th order maximum above the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 4-го порядка над осью</source>
        <translation>Click to select the 4th order maximum above the axis</translation>
    </message>
    <message>
        <source>Максимум 5-го порядка над осью</source>
        <translation>5th order maximum above the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 5-го порядка над осью</source>
        <translation>Click to select the 5th order maximum above the axis</translation>
    </message>
    <message>
        <source>Максимум 6-го порядка над осью</source>
        <translation>6th order maximum above the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 6-го порядка над осью</source>
        <translation>Click to select the 6th order maximum above the axis</translation>
    </message>
    <message>
        <source>Максимум 7-го порядка над осью</source>
        <translation>7th order maximum above the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 7-го порядка над осью</source>
        <translation>Click to select the 7th order maximum above the axis</translation>
    </message>
    <message>
        <source>Максимум 8-го порядка над осью</source>
        <translation>8th order maximum above the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 8-го порядка над осью</source>
        <translation>Click to select the 8th order maximum above the axis</translation>
    </message>
    <message>
        <source>Максимум 1-го порядка под осью</source>
        <translation>1st order maximum below the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 1-го порядка под осью</source>
        <translation>Click to select the 1st order maximum below the axis</translation>
    </message>
    <message>
        <source>Максимум 2-го порядка под осью</source>
        <translation>2nd order maximum below the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 2-го порядка под осью</source>
        <translation>Click to select the 2nd order maximum below the axis</translation>
    </message>
    <message>
        <source>Максимум 3-го порядка под осью</source>
        <translation>3rd order maximum below the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 3-го порядка под осью</source>
        <translation>Click to select the 3rd order maximum below the axis</translation>
    </message>
    <message>
        <source>Максимум 4-го порядка под осью</source>
        <translation>4th order maximum below the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 4-го порядка под осью</source>
        <translation>Click to select the 4th order maximum below the axis</translation>
    </message>
    <message>
        <source>Максимум 5-го порядка под осью</source>
        <translation>5th order maximum below the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 5-го порядка под осью</source>
        <translation>Click to select the 5th order maximum below the axis</translation>
    </message>
    <message>
        <source>Максимум 6-го порядка под осью</source>
        <translation>6th order maximum below the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 6-го порядка под осью</source>
        <translation>Click to select the 6th order maximum below the axis</translation>
    </message>
    <message>
        <source>Максимум 7-го порядка под осью</source>
        <translation>7th order maximum below the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 7-го порядка под осью</source>
        <translation>Click to select the 7th order maximum below the axis</translation>
    </message>
    <message>
        <source>Максимум 8-го порядка под осью</source>
        <translation>8th order maximum below the axis</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 8-го порядка под осью</source>
        <translation>Click to select the 8th order maximum below the axis</translation>
    </message>
    <message>
        <source>Угол отклонения над осью</source>
        <translation>Deflection angle above the axis</translation>
    </message>
    <message>
        <source>Дуга угла φ между осью и лучом к выбранному максимуму</source>
        <translation>Arc of the angle φ between the axis and the ray to the selected maximum</translation>
    </message>
    <message>
        <source>pic_arc_up</source>
        <translation>pic_arc_up</translation>
    </message>
    <message>
        <source>Угол отклонения под осью</source>
        <translation>Deflection angle below the axis</translation>
    </message>
    <message>
        <source>pic_arc_down</source>
        <translation>pic_arc_down</translation>
    </message>
    <message>
        <source>pic_phi_neg</source>
        <translation>pic_phi_neg</translation>
    </message>
    <message>
        <source>Источник света:</source>
        <translation>Light source:</translation>
    </message>
    <message>
        <source>Источник света</source>
        <translation>Light source</translation>
    </message>
    <message>
        <source>Чем освещен стенд: одна длина волны, лампа или белый свет</source>
        <translation>What lights the bench: one wavelength, a lamp or white light</translation>
    </message>
    <message>
        <source>Показание визира</source>
        <translation>Cursor reading</translation>
    </message>
    <message>
        <source>Визир</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Спектральная полоса</source>
        <translation>Spectral band</translation>
    </message>
    <message>
        <source>Цвета света от 380 до 760 нм</source>
        <translation>Colours of light from 380 to 760 nm</translation>
    </message>
    <message>
        <source>pic_spectrum</source>
        <translation>pic_spectrum</translation>
    </message>
    <message>
        <source>Ползунок длины волны</source>
        <translation>Wavelength slider</translation>
    </message>
    <message>
        <source>Перетащите вдоль спектральной полосы, чтобы выбрать длину волны</source>
        <translation>Drag along the spectral band to choose the wavelength</translation>
    </message>
    <message>
        <source>pic_pointer</source>
        <translation>pic_pointer</translation>
    </message>
    <message>
        <source>d =                     10   м    </source>
        <translation>d =                     10   m    </translation>
    </message>
    <message>
        <source> .     -5  </source>
        <translation> .     -5  </translation>
    </message>
    <message>
        <source>pic_lambda</source>
        <translation>pic_lambda</translation>
    </message>
    <message>
        <source> =              нм    </source>
        <translation> =              nm    </translation>
    </message>
    <message>
        <source>Уменьшить длину волны</source>
        <translation>Decrease the wavelength</translation>
    </message>
    <message>
        <source>Сдвинуть ползунок на 1 нм влево; удерживайте для повтора</source>
        <translation>Move the slider 1 nm to the left; hold to repeat</translation>
    </message>
    <message>
        <source>Увеличить длину волны</source>
        <translation>Increase the wavelength</translation>
    </message>
    <message>
        <source>Сдвинуть ползунок на 1 нм вправо; удерживайте для повтора</source>
        <translation>Move the slider 1 nm to the right; hold to repeat</translation>
    </message>
    <message>
        <source>y =              cм      k =   </source>
        <translation>y =              cm      k =   </translation>
    </message>
    <message>
        <source>pic_grating_eq</source>
        <translation>pic_grating_eq</translation>
    </message>
    <message>
        <source>pic_lambda_formula_eq</source>
        <translation>pic_lambda_formula_eq</translation>
    </message>
    <message>
        <source>нм</source>
        <translation>nm</translation>
    </message>
    <message>
        <source>Результат проверки</source>
        <translation>Check result</translation>
    </message>
    <message>
        <source>Верно или неверно вычислена длина волны</source>
        <translation>Whether the wavelength was calculated correctly</translation>
    </message>
    <message>
        <source>Верно !</source>
        <translation>Correct!</translation>
    </message>
    <message>
        <source>Постоянная решетки d</source>
        <translation>Grating constant d</translation>
    </message>
    <message>
        <source>Постоянная дифракционной решетки в единицах 10^-5 м; меняется переключателем рядом</source>
        <translation>Diffraction grating constant in units of 10^-5 m; changed by the switch beside it</translation>
    </message>
    <message>
        <source>1,0</source>
        <translation>1.0</translation>
    </message>
    <message>
        <source>Переключатель постоянной решетки</source>
        <translation>Grating constant switch</translation>
    </message>
    <message>
        <source>Увеличить или уменьшить постоянную решетки на 0,1</source>
        <translation>Increase or decrease the grating constant by 0.1</translation>
    </message>
    <message>
        <source>Длина волны λ</source>
        <translation>Wavelength λ</translation>
    </message>
    <message>
        <source>Длина волны света в нанометрах</source>
        <translation>Wavelength of the light in nanometres</translation>
    </message>
    <message>
        <source>380</source>
        <translation>380</translation>
    </message>
    <message>
        <source>Расстояние y</source>
        <translation>Distance y</translation>
    </message>
    <message>
        <source>Расстояние выбранного максимума от центра экрана в сантиметрах</source>
        <translation>Distance of the selected maximum from the centre of the screen in centimetres</translation>
    </message>
    <message>
        <source>Порядок максимума k</source>
        <translation>Order of maximum k</translation>
    </message>
    <message>
        <source>Порядок выбранного максимума</source>
        <translation>Order of the selected maximum</translation>
    </message>
    <message>
        <source>Ответ</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Вычисленная длина волны в нанометрах, только цифры</source>
        <translation>Calculated wavelength in nanometres, digits only</translation>
    </message>
    <message>
        <source>Проверить ответ</source>
        <translation>Check the answer</translation>
    </message>
    <message>
        <source>Проверить ответ или сбросить проверку</source>
        <translation>Check the answer or reset the check</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Лампа</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Подсказка после проверки ответа</source>
        <translation>Hint after checking the answer</translation>
    </message>
</context>
<context>
    <name>JournalScreen</name>
    <message>
        <source>Ученик:</source>
        <translation>Pupil:</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Фамилия и имя ученика для отчёта</source>
        <translation>Pupil&apos;s name for the report</translation>
    </message>
    <message>
        <source>Класс:</source>
        <translation>Class:</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Класс ученика для отчёта</source>
        <translation>Pupil&apos;s class for the report</translation>
    </message>
    <message>
        <source>Журнал измерений</source>
        <translation>Measurement log</translation>
    </message>
    <message>
        <source>Каждая проверка ответа: время, установки стенда, вычисленная длина волны, ответ и результат</source>
        <translation>Each check of the answer: time, bench settings, calculated wavelength, answer and result</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Удалить все записи журнала</source>
        <translation>Delete all log entries</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить журнал в файл CSV или отчёт PDF (Ctrl+S)</source>
        <translation>Save the log to a CSV file or a PDF report (Ctrl+S)</translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Напечатать отчёт (Ctrl+P)</source>
        <translation>Print the report (Ctrl+P)</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Заметка</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>JournalTexts</name>
    <message>
        <source>белый</source>
        <translation>white</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>λ уст., нм</source>
        <translation>λ set, nm</translation>
    </message>
    <message>
        <source>d, 10⁻⁵ м</source>
        <translation>d, 10⁻⁵ m</translation>
    </message>
    <message>
        <source>y, см</source>
        <translation>y, cm</translation>
    </message>
    <message>
        <source>λ по d и y, нм</source>
        <translation>λ(d, y), nm</translation>
    </message>
    <message>
        <source>Ответ, нм</source>
        <translation>Answer, nm</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Верно</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Неверно</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>поле «%1» повреждено</source>
        <translation>the field «%1» is damaged</translation>
    </message>
    <message>
        <source>файл слишком большой</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>файл повреждён</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>это не журнал gratinglab</source>
        <translation>this is not a gratinglab log</translation>
    </message>
    <message>
        <source>журнал записан другой версией программы</source>
        <translation>the log was written by another version of the program</translation>
    </message>
    <message>
        <source>&lt;p&gt;Ученик: %1&lt;br&gt;Класс: %2&lt;br&gt;Дата: %3&lt;/p&gt;</source>
        <translation>&lt;p&gt;Pupil: %1&lt;br&gt;Class: %2&lt;br&gt;Date: %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Задание: код %1, вариант %2&lt;/p&gt;</source>
        <translation>&lt;p&gt;Task: code %1, variant %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Отчёт о лабораторной работе «Измерение длины световой волны»</source>
        <translation>Report on the laboratory work «Measuring the wavelength of light»</translation>
    </message>
    <message>
        <source>&lt;p&gt;Расчётная формула: λ = d·y/(k·F), где d — период решётки, y — расстояние от центра до максимума k-го порядка, F = 50 см — фокусное расстояние линзы.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Formula used: λ = d·y/(k·F), where d is the grating period, y is the distance from the centre to the maximum of order k, F = 50 cm is the focal length of the lens.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Итоги</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Стенд при последней проверке</source>
        <translation>Bench at the last check</translation>
    </message>
    <message>
        <source>такой папки нет</source>
        <translation>no such folder</translation>
    </message>
    <message>
        <source>под этим именем уже есть папка</source>
        <translation>a folder with this name already exists</translation>
    </message>
    <message>
        <source>нет права записи</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>Не удалось сохранить журнал в файл «%1»: %2. Записи журнала сохранены в программе; выберите другое место.</source>
        <translation>Could not save the log to the file «%1»: %2. The log entries are kept in the program; choose another place.</translation>
    </message>
    <message>
        <source>Файл результата бывает только у контрольного задания: сохраните журнал как отчёт PDF или таблицу CSV.</source>
        <translation>Only a test task has a result file: save the log as a PDF report or a CSV table.</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;λ уст., нм&lt;/th&gt;&lt;th&gt;Проверок&lt;/th&gt;&lt;th&gt;Среднее %1, нм&lt;/th&gt;&lt;th&gt;s, нм&lt;/th&gt;&lt;th&gt;Среднее верных ответов %1&lt;sub&gt;отв&lt;/sub&gt;, нм&lt;/th&gt;&lt;th&gt;δ, %&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;λ set, nm&lt;/th&gt;&lt;th&gt;Checks&lt;/th&gt;&lt;th&gt;Mean %1, nm&lt;/th&gt;&lt;th&gt;s, nm&lt;/th&gt;&lt;th&gt;Mean of correct answers %1&lt;sub&gt;ans&lt;/sub&gt;, nm&lt;/th&gt;&lt;th&gt;δ, %&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;λ = d·y / (k·F), F = 50 см; &amp;nbsp; %1 = (λ&lt;sub&gt;1&lt;/sub&gt; + λ&lt;sub&gt;2&lt;/sub&gt; + … + λ&lt;sub&gt;n&lt;/sub&gt;) / n; &amp;nbsp; s = √( Σ (λ&lt;sub&gt;i&lt;/sub&gt; − %1)² / (n − 1) ); &amp;nbsp; δ = |%1&lt;sub&gt;отв&lt;/sub&gt; − λ&lt;sub&gt;уст&lt;/sub&gt;| / λ&lt;sub&gt;уст&lt;/sub&gt; · 100 %&lt;/p&gt;&lt;p&gt;%1 — среднее вычисленных длин волн, s — их выборочное стандартное отклонение (при n ≥ 2), %1&lt;sub&gt;отв&lt;/sub&gt; — среднее верных ответов, λ&lt;sub&gt;уст&lt;/sub&gt; — установленная длина волны.&lt;/p&gt;</source>
        <translation>&lt;p&gt;λ = d·y / (k·F), F = 50 cm; &amp;nbsp; %1 = (λ&lt;sub&gt;1&lt;/sub&gt; + λ&lt;sub&gt;2&lt;/sub&gt; + … + λ&lt;sub&gt;n&lt;/sub&gt;) / n; &amp;nbsp; s = √( Σ (λ&lt;sub&gt;i&lt;/sub&gt; − %1)² / (n − 1) ); &amp;nbsp; δ = |%1&lt;sub&gt;ans&lt;/sub&gt; − λ&lt;sub&gt;set&lt;/sub&gt;| / λ&lt;sub&gt;set&lt;/sub&gt; · 100 %&lt;/p&gt;&lt;p&gt;%1 is the mean of the calculated wavelengths, s is their sample standard deviation (for n ≥ 2), %1&lt;sub&gt;ans&lt;/sub&gt; is the mean of the correct answers, λ&lt;sub&gt;set&lt;/sub&gt; is the set wavelength.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ProcedureScreen</name>
    <message>
        <source>QGroupBox { border: 1px solid palette(mid); border-radius: 3px; }</source>
        <translation>QGroupBox { border: 1px solid palette(mid); border-radius: 3px; }</translation>
    </message>
    <message>
        <source>Ход работы:</source>
        <translation>Procedure:</translation>
    </message>
    <message>
        <source>     Виртуальный стенд позволяет проводить экспериментальные исследования спектров, получаемых 
с помощью дифракционной решетки.
     Положение максимумов в дифракционной картине соответствует условию:                              ,
где d - постоянная дифракционной решетки,        - угол отклонения выбранного максимума, k - порядок 
максимума,      - длина волны.
     Таким образом, длину волны можно определить используя выражение:
 </source>
        <translation>     The virtual bench lets you study experimentally the spectra produced by a 
diffraction grating.
     The positions of the maxima in the diffraction pattern obey the condition:                                         ,
where d is the diffraction grating constant,               is the deflection angle of the selected maximum, 
k is its order,      is the wavelength.
     Thus the wavelength can be found from the expression:
 </translation>
    </message>
    <message>
        <source>pic_grating_eq</source>
        <translation>pic_grating_eq</translation>
    </message>
    <message>
        <source>pic_phi</source>
        <translation>pic_phi</translation>
    </message>
    <message>
        <source>pic_lambda</source>
        <translation>pic_lambda</translation>
    </message>
    <message>
        <source>pic_lambda_formula</source>
        <translation>pic_lambda_formula</translation>
    </message>
    <message>
        <source>1. Изменяя постоянную дифракционной решетки с помощью переключателей, проследите изменение положения максимумов.
2. Изменяя длину волны с помощью переключателей или ползунка на спектральной полосе, проследите изменение положения максимумов и их интенсивности. 

3. Установите ползунок на желтую часть спектра.
4. Выберите второй максимум, щелкнув по его изображению.
5. Вычислите длину световой волны желтого цвета.
6. Введите полученный результат в поле ответа и проверьте его.
7. Изменяя постоянную решетки, порядок максимума и положение ползунка, найдите длину световой волны голубого и зеленого цвета.</source>
        <translation>1. Change the diffraction grating constant with the switches and observe how the positions of the maxima change.
2. Change the wavelength with the switches or the slider on the spectral band and observe how the positions of the maxima and their intensity change. 

3. Set the slider on the yellow part of the spectrum.
4. Select the second maximum by clicking on its image.
5. Calculate the wavelength of yellow light.
6. Enter your result in the answer field and check it.
7. Changing the grating constant, the order of the maximum and the slider position, find the wavelengths of blue and green light.</translation>
    </message>
</context>
<context>
    <name>PupilText</name>
    <message>
        <source>%1 нм</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>Проверить ответ</source>
        <translation>Check the answer</translation>
    </message>
    <message>
        <source>Сбросить проверку</source>
        <translation>Reset the check</translation>
    </message>
    <message>
        <source>Калькулятор Windows (calc.exe) не запустился.</source>
        <translation>The Windows calculator (calc.exe) did not start.</translation>
    </message>
    <message>
        <source>Калькулятор не установлен: на этом компьютере нет ни одной из программ %1.</source>
        <translation>No calculator is installed: this computer has none of the programs %1.</translation>
    </message>
    <message>
        <source>Калькулятор «%1» не запустился.</source>
        <translation>The calculator «%1» did not start.</translation>
    </message>
    <message>
        <source>%1 см</source>
        <translation>%1 cm</translation>
    </message>
    <message>
        <source>Визир скрыт; стрелка вверх или вниз показывает его</source>
        <translation>The cursor is hidden; the up or down arrow shows it</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Отчёт PDF (*.pdf)</source>
        <translation>PDF report (*.pdf)</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Файл результата для учителя (*.gratinglab-result)</source>
        <translation>Result file for the teacher (*.gratinglab-result)</translation>
    </message>
    <message>
        <source>Сохранить журнал</source>
        <translation>Save the log</translation>
    </message>
    <message>
        <source>журнал</source>
        <translation>log</translation>
    </message>
    <message>
        <source>Печать отчёта</source>
        <translation>Print the report</translation>
    </message>
    <message>
        <source>Восстановить журнал прошлого занятия?</source>
        <translation>Restore the log of the last lesson?</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Выделить всё</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Выделить все записи журнала</source>
        <translation>Select all log entries</translation>
    </message>
    <message>
        <source>Задание: код %1, вариант %2</source>
        <translation>Task: code %1, variant %2</translation>
    </message>
    <message>
        <source>Записей пока нет: каждая проверка ответа на стенде добавит строку.</source>
        <translation>No entries yet: each check of the answer on the bench adds a line.</translation>
    </message>
    <message>
        <source>Очистить журнал? Все записи будут удалены.</source>
        <translation>Clear the log? All entries will be deleted.</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Сохранить журнал измерений?</source>
        <translation>Save the measurement log?</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>перейти к следующему или предыдущему элементу окна</source>
        <translation>go to the next or previous element of the window</translation>
    </message>
    <message>
        <source>Пробел</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>нажать выбранную кнопку</source>
        <translation>press the selected button</translation>
    </message>
    <message>
        <source>увеличить или уменьшить постоянную решетки d на 0,1 (на экране эксперимента)</source>
        <translation>increase or decrease the grating constant d by 0.1 (on the experiment screen)</translation>
    </message>
    <message>
        <source>на спектральной полосе: длина волны на 1 нм больше или меньше</source>
        <translation>on the spectral band: wavelength 1 nm more or less</translation>
    </message>
    <message>
        <source>на спектральной полосе: длина волны на 10 нм больше или меньше</source>
        <translation>on the spectral band: wavelength 10 nm more or less</translation>
    </message>
    <message>
        <source>на спектральной полосе: длина волны 380 нм или 760 нм</source>
        <translation>on the spectral band: wavelength 380 nm or 760 nm</translation>
    </message>
    <message>
        <source>на картине стенда: выбрать соседний максимум выше или ниже оси</source>
        <translation>on the bench picture: select the neighbouring maximum above or below the axis</translation>
    </message>
    <message>
        <source>на картине стенда: выбрать центральный максимум</source>
        <translation>on the bench picture: select the central maximum</translation>
    </message>
    <message>
        <source>на визире (справа, у шкалы): визир на 1 пиксель или на 1 см выше или ниже; при монохроматическом свете первое нажатие показывает визир</source>
        <translation>on the cursor (right, by the scale): cursor 1 pixel or 1 cm higher or lower; with monochromatic light the first press shows the cursor</translation>
    </message>
    <message>
        <source>на визире: визир на ось; скрыть визир при монохроматическом свете</source>
        <translation>on the cursor: cursor to the axis; hide the cursor with monochromatic light</translation>
    </message>
    <message>
        <source>в поле «Источник света»: выбрать другой источник</source>
        <translation>in the «Light source» field: choose another source</translation>
    </message>
    <message>
        <source>в поле ответа: проверить ответ, как кнопка «Проверить»</source>
        <translation>in the answer field: check the answer, like the «Check» button</translation>
    </message>
    <message>
        <source>в журнале: сохранить журнал (CSV или PDF), напечатать отчёт</source>
        <translation>in the log: save the log (CSV or PDF), print the report</translation>
    </message>
    <message>
        <source>открыть файл контрольного задания, как «Открыть задание…» на заставке</source>
        <translation>open a test task file, like «Open task…» on the title screen</translation>
    </message>
    <message>
        <source>открыть эту справку; Esc закрывает её</source>
        <translation>open this help; Esc closes it</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Управление с клавиатуры</source>
        <translation>Keyboard controls</translation>
    </message>
    <message>
        <source>  Измерение длины световой волны (gratinglab, виртуальная лабораторная работа по физике)</source>
        <translation>  Measuring the wavelength of light (gratinglab, a virtual physics laboratory work)</translation>
    </message>
    <message>
        <source>Измерение длины световой волны</source>
        <translation>Measuring the wavelength of light</translation>
    </message>
    <message>
        <source>Задание уже открыто. Чтобы открыть другое, закройте программу и откройте файл задания снова.</source>
        <translation>A task is already open. To open another one, close the program and open the task file again.</translation>
    </message>
    <message>
        <source>Папка класса не отвечает: «%1». Возможно, сервер выключен или сеть недоступна.</source>
        <translation>The class folder does not respond: «%1». The server may be off or the network unavailable.</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>В папку класса результаты пока не записываются; все проверки сохранены на этом компьютере, и программа передаёт их, как только папка ответит.</source>
        <translation>Results are not being written to the class folder yet; all checks are saved on this computer, and the program sends them as soon as the folder responds.</translation>
    </message>
    <message>
        <source>Папка класса не отвечает; проверки сохранены здесь</source>
        <translation>The class folder does not respond; checks are saved here</translation>
    </message>
    <message>
        <source>Все проверки уже сохранены для учителя на этом компьютере, в папке «%1». Сохранить журнал измерений?</source>
        <translation>All checks are already saved for the teacher on this computer, in the folder «%1». Save the measurement log?</translation>
    </message>
    <message>
        <source>Все проверки уже переданы учителю: они в папке «%1». Сохранить журнал измерений?</source>
        <translation>All checks have already been sent to the teacher: they are in the folder «%1». Save the measurement log?</translation>
    </message>
    <message>
        <source>Последние проверки ещё не дошли до папки класса «%1»: все они сохранены на этом компьютере, в папке «%2». Сохранить журнал измерений?</source>
        <translation>The latest checks have not yet reached the class folder «%1»: all of them are saved on this computer, in the folder «%2». Save the measurement log?</translation>
    </message>
    <message>
        <source>Подсказка после проверки ответа</source>
        <translation>Hint after checking the answer</translation>
    </message>
    <message>
        <source>Увеличить постоянную решетки</source>
        <translation>Increase the grating constant</translation>
    </message>
    <message>
        <source>Уменьшить постоянную решетки</source>
        <translation>Decrease the grating constant</translation>
    </message>
    <message>
        <source>Постоянная решетки на 0,1 больше, до 3</source>
        <translation>Grating constant 0.1 larger, up to 3</translation>
    </message>
    <message>
        <source>Постоянная решетки на 0,1 меньше, до 1</source>
        <translation>Grating constant 0.1 smaller, down to 1</translation>
    </message>
    <message>
        <source>Открыть файл задания</source>
        <translation>Open a task file</translation>
    </message>
    <message>
        <source>Файлы задания (*.gratinglab-task);;Все файлы (*)</source>
        <translation>Task files (*.gratinglab-task);;All files (*)</translation>
    </message>
    <message>
        <source>«%1», класс %2</source>
        <translation>«%1», class %2</translation>
    </message>
    <message>
        <source>— выберите себя в списке —</source>
        <translation>— choose your name —</translation>
    </message>
    <message>
        <source>Источник света</source>
        <translation>Light source</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Длина волны лампы неизвестна: её нужно измерить</source>
        <translation>The lamp&apos;s wavelength is unknown: you have to measure it</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Заставка</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Показать титульный экран</source>
        <translation>Show the title screen</translation>
    </message>
    <message>
        <source>Ход работы</source>
        <translation>Procedure</translation>
    </message>
    <message>
        <source>Показать описание и порядок выполнения работы</source>
        <translation>Show the description and the procedure of the work</translation>
    </message>
    <message>
        <source>Эксперимент</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>Показать виртуальный стенд</source>
        <translation>Show the virtual bench</translation>
    </message>
    <message>
        <source>Калькулятор</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Запустить калькулятор</source>
        <translation>Start the calculator</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Закрыть программу</source>
        <translation>Close the program</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Показать журнал измерений и отчёт</source>
        <translation>Show the measurement log and the report</translation>
    </message>
</context>
<context>
    <name>TaskDialog</name>
    <message>
        <source>Контрольное задание</source>
        <translation>Test task</translation>
    </message>
    <message>
        <source>Код задания даёт учитель — на доске или в файле задания.</source>
        <translation>Your teacher gives the code — on the board or in a task file.</translation>
    </message>
    <message>
        <source>Открыть файл задания…</source>
        <translation>Open task file…</translation>
    </message>
    <message>
        <source>Открыть файл задания (.gratinglab-task) из папки класса</source>
        <translation>Open a task file (.gratinglab-task) from the class folder</translation>
    </message>
    <message>
        <source>Код задания</source>
        <translation>Task code</translation>
    </message>
    <message>
        <source>Код, который дал учитель, до 32 знаков</source>
        <translation>The code your teacher gave, up to 32 characters</translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>Номер варианта от 1 до 99</source>
        <translation>Variant number from 1 to 99</translation>
    </message>
    <message>
        <source>Фамилия, имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Можно не заполнять; не больше 60 знаков</source>
        <translation>May be left empty; no more than 60 characters</translation>
    </message>
    <message>
        <source>Выберите себя в списке класса; вариант следует из списка</source>
        <translation>Choose your name in the class list; it sets the variant</translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Начать контрольное задание</source>
        <translation>Start the test task</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Открыть обычную лабораторную работу</source>
        <translation>Open the ordinary laboratory work</translation>
    </message>
</context>
<context>
    <name>TeacherText</name>
    <message>
        <source>Вариант</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>λ, нм</source>
        <translation>λ, nm</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Символ</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Ключ ответов: %1</source>
        <translation>Answer key: %1</translation>
    </message>
    <message>
        <source>Код задания %1    Дата %2</source>
        <translation>Task code %1    Date %2</translation>
    </message>
    <message>
        <source>Класс %1    Код задания %2    Дата %3</source>
        <translation>Class %1    Task code %2    Date %3</translation>
    </message>
    <message>
        <source>Ключ ответов: %1, код %2</source>
        <translation>Answer key: %1, code %2</translation>
    </message>
    <message>
        <source>Код для доски</source>
        <translation>Board code</translation>
    </message>
    <message>
        <source>Класс %1</source>
        <translation>Class %1</translation>
    </message>
    <message>
        <source>Esc — закрыть</source>
        <translation>Esc — close</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Файлы, которые не учтены&lt;/h3&gt;&lt;ul&gt;</source>
        <translation>&lt;h3&gt;Files not counted&lt;/h3&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>Класс: %1&lt;br&gt;</source>
        <translation>Class: %1&lt;br&gt;</translation>
    </message>
    <message>
        <source>Код задания: %1&lt;br&gt;Дата: %2</source>
        <translation>Task code: %1&lt;br&gt;Date: %2</translation>
    </message>
    <message>
        <source>&lt;h2 align=&quot;center&quot;&gt;Результаты класса: %1&lt;/h2&gt;</source>
        <translation>&lt;h2 align=&quot;center&quot;&gt;Class results: %1&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Решили верно: %1 из %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Solved correctly: %1 of %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Результаты класса: %1, код %2</source>
        <translation>Class results: %1, code %2</translation>
    </message>
    <message>
        <source>Папка с результатами учеников</source>
        <translation>Folder with the pupils&apos; results</translation>
    </message>
    <message>
        <source>Файлы результатов учеников</source>
        <translation>Pupils&apos; result files</translation>
    </message>
    <message>
        <source>Файлы результатов (*.gratinglab-result)</source>
        <translation>Result files (*.gratinglab-result)</translation>
    </message>
    <message>
        <source>Где теперь папка класса?</source>
        <translation>Where is the class folder now?</translation>
    </message>
    <message>
        <source>Откройте файл учителя или сохраните задание — здесь появятся результаты класса.</source>
        <translation>Open a teacher file or save the task — the class results will appear here.</translation>
    </message>
    <message>
        <source>Откуда читать результаты? Добавьте папку класса (с подпапкой «Результаты»), флешку или файлы из почты.</source>
        <translation>Where to read the results from? Add the class folder (with its «Результаты» subfolder), a USB stick or files from email.</translation>
    </message>
    <message>
        <source>Папка класса «%1» не найдена или не открывается: %2. Если её перенесли или переименовали, нажмите «Указать папку класса…».</source>
        <translation>The class folder «%1» is not found or does not open: %2. If it was moved or renamed, press «Set class folder…».</translation>
    </message>
    <message>
        <source>Папка класса недоступна с %1: показаны результаты, прочитанные до этого (серым). Читается: %2</source>
        <translation>The class folder has been unavailable since %1: results read before that are shown (in grey). Reading: %2</translation>
    </message>
    <message>
        <source>Читается: %1</source>
        <translation>Reading: %1</translation>
    </message>
    <message>
        <source>Прочитано до того, как папка класса стала недоступна.</source>
        <translation>Read before the class folder became unavailable.</translation>
    </message>
    <message>
        <source>Сохранить результаты класса в CSV</source>
        <translation>Save the class results to CSV</translation>
    </message>
    <message>
        <source>Результаты %1</source>
        <translation>Results %1</translation>
    </message>
    <message>
        <source>CSV для Excel и LibreOffice (*.csv)</source>
        <translation>CSV for Excel and LibreOffice (*.csv)</translation>
    </message>
    <message>
        <source>Экспорт оценок в Moodle (импорт оценок из CSV-файла)</source>
        <translation>Export marks to Moodle (import of marks from a CSV file)</translation>
    </message>
    <message>
        <source>Оценки Moodle %1</source>
        <translation>Moodle marks %1</translation>
    </message>
    <message>
        <source>В файл не вошли (нет адреса или номера в файле учителя либо нет оценки): %1.</source>
        <translation>Not included in the file (no email or number in the teacher file, or no mark): %1.</translation>
    </message>
    <message>
        <source>Сохранить отчёт о классе в PDF</source>
        <translation>Save the class report to PDF</translation>
    </message>
    <message>
        <source>Файлы учителя (*.gratinglab-teacher)</source>
        <translation>Teacher files (*.gratinglab-teacher)</translation>
    </message>
    <message>
        <source>Файлы задания (*.gratinglab-task)</source>
        <translation>Task files (*.gratinglab-task)</translation>
    </message>
    <message>
        <source>Учителю — Измерение длины световой волны</source>
        <translation>For the teacher — Measuring the wavelength of light</translation>
    </message>
    <message>
        <source>Открыть файл учителя</source>
        <translation>Open a teacher file</translation>
    </message>
    <message>
        <source>Ключ ответов появится здесь, когда задание сохранено или открыт файл учителя.</source>
        <translation>The answer key will appear here when the task is saved or a teacher file is opened.</translation>
    </message>
    <message>
        <source>учеников: %1</source>
        <translation>pupils: %1</translation>
    </message>
    <message>
        <source>вариантов: %1</source>
        <translation>variants: %1</translation>
    </message>
    <message>
        <source>«%1», %2 от %3. Файл учителя: %4</source>
        <translation>«%1», %2 of %3. Teacher file: %4</translation>
    </message>
    <message>
        <source>«%1», класс %2, %3 от %4. Файл учителя: %5</source>
        <translation>«%1», class %2, %3 of %4. Teacher file: %5</translation>
    </message>
    <message>
        <source>Скрыть ключ</source>
        <translation>Hide key</translation>
    </message>
    <message>
        <source>Показать ключ</source>
        <translation>Show key</translation>
    </message>
    <message>
        <source>Сохранить файл учителя — храните его там, где ученики его не прочтут</source>
        <translation>Save the teacher file — keep it where pupils cannot read it</translation>
    </message>
    <message>
        <source>Задание не сохранено: файл учителя не выбран, ничего не записано.</source>
        <translation>The task is not saved: no teacher file chosen, nothing written.</translation>
    </message>
    <message>
        <source>Сохранить файл задания в папку класса</source>
        <translation>Save the task file to the class folder</translation>
    </message>
    <message>
        <source>%1 Задание не сохранено.</source>
        <translation>%1 The task is not saved.</translation>
    </message>
    <message>
        <source>Файл учителя записан: %1. Файл задания для учеников не записан — папка класса не выбрана; запишите его кнопкой «Файл задания…».</source>
        <translation>Teacher file written: %1. The task file for pupils is not written — no class folder chosen; write it with the «Task file…» button.</translation>
    </message>
    <message>
        <source>Файлы записываются…</source>
        <translation>Writing files…</translation>
    </message>
    <message>
        <source>Что дальше: файл задания — %1. Ученики открывают его двойным щелчком в папке класса или запускают «Измерение длины световой волны» с рабочего стола и нажимают «Открыть задание…». Их результаты появятся на вкладке «Результаты».</source>
        <translation>What next: the task file is %1. Pupils open it by double-clicking in the class folder, or start «Grating Lab» from the desktop and press «Open task…». Their results will appear on the «Results» tab.</translation>
    </message>
    <message>
        <source>Файл задания не записан: папка класса не выбрана.</source>
        <translation>The task file is not written: no class folder chosen.</translation>
    </message>
    <message>
        <source>%1 Файл задания не записан.</source>
        <translation>%1 The task file is not written.</translation>
    </message>
    <message>
        <source>%1 Новая папка класса читается, но в файл учителя не записана.</source>
        <translation>%1 The new class folder is being read but is not written to the teacher file.</translation>
    </message>
    <message>
        <source>Папка класса записана в файл учителя: %1.</source>
        <translation>Class folder written to the teacher file: %1.</translation>
    </message>
    <message>
        <source>Сохранить ключ ответов в PDF</source>
        <translation>Save the answer key to PDF</translation>
    </message>
    <message>
        <source>Ключ %1</source>
        <translation>Key %1</translation>
    </message>
    <message>
        <source>Экспорт в Moodle (Moodle XML)</source>
        <translation>Export to Moodle (Moodle XML)</translation>
    </message>
</context>
<context>
    <name>TeacherWindow</name>
    <message>
        <source>Учителю — Измерение длины световой волны</source>
        <translation>For the teacher — Measuring the wavelength of light</translation>
    </message>
    <message>
        <source>Задание и ключ</source>
        <translation>Task and key</translation>
    </message>
    <message>
        <source>Новое задание</source>
        <translation>New task</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Название задания</source>
        <translation>Task title</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>например, 9Б</source>
        <translation>for example, 9B</translation>
    </message>
    <message>
        <source>Список класса, по ученику в строке</source>
        <translation>Class list, one pupil per line</translation>
    </message>
    <message>
        <source>Адрес или номер ученика — в той же строке после «;». Из таблицы (LibreOffice Calc, Excel) можно скопировать и вставить два столбца: фамилию с именем и адрес.</source>
        <translation>A pupil&apos;s email or number goes on the same line after «;». From a table (LibreOffice Calc, Excel) you can copy and paste two columns: the name and the email.</translation>
    </message>
    <message>
        <source>Список класса</source>
        <translation>Class list</translation>
    </message>
    <message>
        <source>Иванов Пётр; ivanov@school.ru
Петрова Анна</source>
        <translation>Ivanov Pyotr; ivanov@school.ru
Petrova Anna</translation>
    </message>
    <message>
        <source>Без имён, вариантов:</source>
        <translation>No names, variants:</translation>
    </message>
    <message>
        <source>Число вариантов</source>
        <translation>Number of variants</translation>
    </message>
    <message>
        <source>Код для доски</source>
        <translation>Board code</translation>
    </message>
    <message>
        <source>Случайный код из цифр; «Другой код» выбирает новый</source>
        <translation>Random code of digits; «New code» chooses another</translation>
    </message>
    <message>
        <source>Другой код</source>
        <translation>New code</translation>
    </message>
    <message>
        <source>Сохранить задание…</source>
        <translation>Save task…</translation>
    </message>
    <message>
        <source>Записать файл учителя, затем файл задания для папки класса</source>
        <translation>Write the teacher file, then the task file for the class folder</translation>
    </message>
    <message>
        <source>Задание и ключ ответов</source>
        <translation>Task and answer key</translation>
    </message>
    <message>
        <source>Показать код классу</source>
        <translation>Show code to class</translation>
    </message>
    <message>
        <source>Код, название и класс во весь экран, для проектора; Esc закрывает</source>
        <translation>Code, title and class full screen, for a projector; Esc closes</translation>
    </message>
    <message>
        <source>Что дальше</source>
        <translation>What next</translation>
    </message>
    <message>
        <source>Показать ключ</source>
        <translation>Show key</translation>
    </message>
    <message>
        <source>Ключ ответов и длины волн в «Результатах»; не показывайте его на проекторе</source>
        <translation>The answer key and the wavelengths in «Results»; do not show it on the projector</translation>
    </message>
    <message>
        <source>Ключ ответов</source>
        <translation>Answer key</translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>λ, нм</source>
        <translation>λ, nm</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Символ</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Открыть файл учителя…</source>
        <translation>Open teacher file…</translation>
    </message>
    <message>
        <source>Новое задание…</source>
        <translation>New task…</translation>
    </message>
    <message>
        <source>Закрыть это задание и заполнить новое</source>
        <translation>Close this task and fill in a new one</translation>
    </message>
    <message>
        <source>Файл задания…</source>
        <translation>Task file…</translation>
    </message>
    <message>
        <source>Записать файл задания для папки класса ещё раз</source>
        <translation>Write the task file for the class folder again</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation>Save PDF…</translation>
    </message>
    <message>
        <source>Экспорт в Moodle…</source>
        <translation>Export to Moodle…</translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Результаты</source>
        <translation>Results</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>Лабораторная работа</source>
        <translation>Laboratory work</translation>
    </message>
    <message>
        <source>QGroupBox { border: 1px solid palette(mid); border-radius: 3px; }</source>
        <translation>QGroupBox { border: 1px solid palette(mid); border-radius: 3px; }</translation>
    </message>
    <message>
        <source>pic_title</source>
        <translation>pic_title</translation>
    </message>
    <message>
        <source>pic_photo</source>
        <translation>pic_photo</translation>
    </message>
    <message>
        <source>Открыть задание</source>
        <translation>Open task</translation>
    </message>
    <message>
        <source>Открыть файл контрольного задания из папки класса (Ctrl+O)</source>
        <translation>Open a test task file from the class folder (Ctrl+O)</translation>
    </message>
    <message>
        <source>Открыть задание…</source>
        <translation>Open task…</translation>
    </message>
    <message>
        <source>Экспериментальное измерение</source>
        <extracomment>The banner&apos;s first line. The two lines make one phrase; a language with another word order may move words between them.</extracomment>
        <translation>Experimental measurement</translation>
    </message>
    <message>
        <source>длины световой волны</source>
        <extracomment>The banner&apos;s second line (see the first).</extracomment>
        <translation>of the wavelength of light</translation>
    </message>
</context>
</TS>
