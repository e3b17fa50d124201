<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kk" sourcelanguage="ru_RU">
<context>
    <name>BenchTexts</name>
    <message>
        <source>Верно !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверно !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>выбран центральный максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>выбран максимум %1-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>выбран максимум %1-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d = %1; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, k = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длина волны %1 нм, d = %2; %3, y = %4 см</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d = %1; %2, y = %3 см</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d = %1 · 10⁻⁵ м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λ: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λ = %1 нм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y = %1 см, k = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y, см</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F = 50см</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>фиолетовая граница спектра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>красная граница спектра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>визир не на линии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка в вычислении</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>введите порядок k от 1 до 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Монохроматический</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лампа: ртутная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лампа: натриевая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лампа: водородная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лампа: гелиевая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лампа: неоновая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лампа: кадмиевая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Белый свет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ртутная лампа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Натриевая лампа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Водородная лампа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гелиевая лампа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неоновая лампа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кадмиевая лампа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Визир</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>визир y = %1 см</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник света</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ртуть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>натрий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>водород</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>гелий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кадмий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>литий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>таллий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 нм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>проверьте k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Почти: проверьте округление.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Введите код задания, который дал учитель.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код задания слишком длинный: не больше %1 знаков.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В коде задания есть недопустимые служебные символы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вариант — целое число от 1 до %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фамилия и имя слишком длинные: не больше %1 знаков.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В фамилии и имени есть недопустимые служебные символы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — контрольное задание, вариант %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свет от лампы с неизвестной длиной волны</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassResultsPanel</name>
    <message>
        <source>Указать папку класса…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Где теперь папка класса этого задания; записывается в файл учителя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить папку…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Читать результаты из папки класса и её подпапки «Результаты», с флешки или из загрузок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить файлы…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Читать отдельные файлы результатов учеников</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Результаты класса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показывать оценки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файлы, которые не учтены</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица для Excel или LibreOffice Calc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт оценок в Moodle…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-файл для импорта оценок в Moodle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassroomTexts</name>
    <message>
        <source>%1 (код %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вариант %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адрес или номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λ, нм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Решено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверок до верного ответа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Первый верный ответ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсказок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запусков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>да</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файлы расходятся</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; файлы расходятся</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет результата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл изменён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>другое задание (код %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вариант %1, а в задании варианты 1–%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ученика «%1» нет в списке класса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в файле нет имени ученика, а вариант %1 в списке — «%2»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вариант %1 не совпадает со списком: у «%2» вариант %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл изменён: записанный результат проверки не совпадает с повторной проверкой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл изменён: контрольная сумма не сходится</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>повтор: для этого ученика учтён файл «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файлы расходятся: в учтённом файле «%1» другие проверки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не читается: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>слишком большой для файла результатов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл повреждён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл повреждён: неверное поле «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>записан более новой версией gratinglab; обновите программу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не файл результатов gratinglab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет такой папки или файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папка не читается: нет доступа или сервер не отвечает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ссылка, а не файл: не читается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не обычный файл: не читается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не файл результатов (.gratinglab-result)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>больше %1 файлов результатов: остальные не прочитаны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл учителя не называет папку класса (он записан без файла задания): укажите папку или файлы результатов параметром --results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Измерение длины световой волны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Список учеников пуст: вставьте по одному ученику в строке или укажите число вариантов.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: пустая строка. Каждая строка — вариант; удалите пустые строки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: нет фамилии и имени перед табуляцией или «;».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: больше двух столбцов; нужны только фамилия с именем и адрес или номер.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: в списке больше %2 учеников.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: этот ученик уже есть в строке %2. Допишите к одинаковым именам что-нибудь отличающее.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: фамилия и имя длиннее 60 знаков.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: в фамилии и имени есть недопустимые служебные символы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: адрес или номер ученика длиннее %2 знаков.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1: в адресе или номере ученика есть недопустимые служебные символы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать файл «%1»: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» слишком большой: это не файл учителя gratinglab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» слишком большой: это не файл задания gratinglab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл учителя «%1» повреждён: линии ключа в нём не те, что даёт код задания. Ключ по такому файлу не выдаётся.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл учителя «%1» повреждён и не читается.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл задания «%1» повреждён и не читается.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл учителя «%1» повреждён: неверное поле «%2».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл задания «%1» повреждён: неверное поле «%2».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл учителя «%1» записан более новой версией gratinglab; обновите программу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл задания «%1» записан более новой версией gratinglab; обновите программу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» — не файл учителя gratinglab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» — не файл задания gratinglab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» — файл учителя с ключом ответов, а не файл задания для учеников.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» — файл задания для учеников; ключ ответов есть только в файле учителя (.gratinglab-teacher).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В «%1» нет линий ключа (поля «lines»): так выглядит файл задания, исправленный под файл учителя, или файл учителя из прежней версии gratinglab. Ключ выдаётся только по файлу учителя с линиями; создайте задание заново.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, код %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, код %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вариант %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вариант %1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;%1. Откройте в программе gratinglab контрольное задание с кодом &lt;b&gt;%2&lt;/b&gt;, вариант &lt;b&gt;%3&lt;/b&gt;. Измерьте длину волны света лампы и введите ответ в нанометрах (нм) — только число.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>такого файла нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет прав на чтение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в папке «%1» нет свободного имени для копии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл «%1» не читается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папку «%1» нельзя создать или она не отвечает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оценка: 5 — верный ответ с первой проверки, 4 — верный ответ не позже третьей проверки, 3 — верный ответ позже, 2 — верного ответа нет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Название — одна строка от 1 до %1 знаков.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Класс — одна строка не длиннее %1 знаков.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число вариантов — от 1 до %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папку «%1» нельзя создать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выберите свою фамилию и имя из списка класса.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» нет в списке класса этого задания.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вариант — целое число от 1 до %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папки «%1» нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет места на диске</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папка только для чтения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет права записи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сервер не отвечает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папки больше нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не удалось записать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не удалось прочитать</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExperimentScreen</name>
    <message>
        <source>QGroupBox { border: 1px solid palette(mid); border-radius: 3px; }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптический стенд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Решетка, линза и экран с дифракционными максимумами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_left_pressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_right_pressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_left_released</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_right_released</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Центральный максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать центральный максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 1-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 1-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 2-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 2-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 3-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 3-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 4-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 4-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 5-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 5-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 6-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 6-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 7-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 7-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 8-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 8-го порядка над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 1-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 1-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 2-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 2-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 3-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 3-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 4-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 4-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 5-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 5-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 6-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 6-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 7-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 7-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум 8-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 8-го порядка под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол отклонения над осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дуга угла φ между осью и лучом к выбранному максимуму</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_arc_up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол отклонения под осью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_arc_down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_phi_neg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник света:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник света</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чем освещен стенд: одна длина волны, лампа или белый свет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показание визира</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Визир</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спектральная полоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цвета света от 380 до 760 нм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_spectrum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ползунок длины волны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перетащите вдоль спектральной полосы, чтобы выбрать длину волны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_pointer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d =                     10   м    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> .     -5  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_lambda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> =              нм    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уменьшить длину волны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сдвинуть ползунок на 1 нм влево; удерживайте для повтора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Увеличить длину волны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сдвинуть ползунок на 1 нм вправо; удерживайте для повтора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y =              cм      k =   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_grating_eq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_lambda_formula_eq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Результат проверки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верно или неверно вычислена длина волны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верно !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постоянная решетки d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постоянная дифракционной решетки в единицах 10^-5 м; меняется переключателем рядом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переключатель постоянной решетки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Увеличить или уменьшить постоянную решетки на 0,1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длина волны λ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длина волны света в нанометрах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>380</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние выбранного максимума от центра экрана в сантиметрах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порядок максимума k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порядок выбранного максимума</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ответ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вычисленная длина волны в нанометрах, только цифры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверить ответ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверить ответ или сбросить проверку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лампа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсказка после проверки ответа</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JournalScreen</name>
    <message>
        <source>Ученик:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фамилия и имя ученика для отчёта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Класс:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Класс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Класс ученика для отчёта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал измерений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каждая проверка ответа: время, установки стенда, вычисленная длина волны, ответ и результат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить все записи журнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить журнал в файл CSV или отчёт PDF (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напечатать отчёт (Ctrl+P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заметка</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JournalTexts</name>
    <message>
        <source>белый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λ уст., нм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d, 10⁻⁵ м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y, см</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λ по d и y, нм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ответ, нм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Результат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поле «%1» повреждено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл слишком большой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл повреждён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не журнал gratinglab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>журнал записан другой версией программы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Ученик: %1&lt;br&gt;Класс: %2&lt;br&gt;Дата: %3&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Задание: код %1, вариант %2&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт о лабораторной работе «Измерение длины световой волны»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Расчётная формула: λ = d·y/(k·F), где d — период решётки, y — расстояние от центра до максимума k-го порядка, F = 50 см — фокусное расстояние линзы.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Итоги</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стенд при последней проверке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>такой папки нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>под этим именем уже есть папка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет права записи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось сохранить журнал в файл «%1»: %2. Записи журнала сохранены в программе; выберите другое место.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл результата бывает только у контрольного задания: сохраните журнал как отчёт PDF или таблицу CSV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;λ уст., нм&lt;/th&gt;&lt;th&gt;Проверок&lt;/th&gt;&lt;th&gt;Среднее %1, нм&lt;/th&gt;&lt;th&gt;s, нм&lt;/th&gt;&lt;th&gt;Среднее верных ответов %1&lt;sub&gt;отв&lt;/sub&gt;, нм&lt;/th&gt;&lt;th&gt;δ, %&lt;/th&gt;&lt;/tr&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;λ = d·y / (k·F), F = 50 см; &amp;nbsp; %1 = (λ&lt;sub&gt;1&lt;/sub&gt; + λ&lt;sub&gt;2&lt;/sub&gt; + … + λ&lt;sub&gt;n&lt;/sub&gt;) / n; &amp;nbsp; s = √( Σ (λ&lt;sub&gt;i&lt;/sub&gt; − %1)² / (n − 1) ); &amp;nbsp; δ = |%1&lt;sub&gt;отв&lt;/sub&gt; − λ&lt;sub&gt;уст&lt;/sub&gt;| / λ&lt;sub&gt;уст&lt;/sub&gt; · 100 %&lt;/p&gt;&lt;p&gt;%1 — среднее вычисленных длин волн, s — их выборочное стандартное отклонение (при n ≥ 2), %1&lt;sub&gt;отв&lt;/sub&gt; — среднее верных ответов, λ&lt;sub&gt;уст&lt;/sub&gt; — установленная длина волны.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProcedureScreen</name>
    <message>
        <source>QGroupBox { border: 1px solid palette(mid); border-radius: 3px; }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ход работы:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Виртуальный стенд позволяет проводить экспериментальные исследования спектров, получаемых 
с помощью дифракционной решетки.
     Положение максимумов в дифракционной картине соответствует условию:                              ,
где d - постоянная дифракционной решетки,        - угол отклонения выбранного максимума, k - порядок 
максимума,      - длина волны.
     Таким образом, длину волны можно определить используя выражение:
 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_grating_eq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_phi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_lambda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_lambda_formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Изменяя постоянную дифракционной решетки с помощью переключателей, проследите изменение положения максимумов.
2. Изменяя длину волны с помощью переключателей или ползунка на спектральной полосе, проследите изменение положения максимумов и их интенсивности. 

3. Установите ползунок на желтую часть спектра.
4. Выберите второй максимум, щелкнув по его изображению.
5. Вычислите длину световой волны желтого цвета.
6. Введите полученный результат в поле ответа и проверьте его.
7. Изменяя постоянную решетки, порядок максимума и положение ползунка, найдите длину световой волны голубого и зеленого цвета.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Заставка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать титульный экран</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ход работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать описание и порядок выполнения работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Эксперимент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать виртуальный стенд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калькулятор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запустить калькулятор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть программу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать журнал измерений и отчёт</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskDialog</name>
    <message>
        <source>Контрольное задание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код задания даёт учитель — на доске или в файле задания.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть файл задания…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть файл задания (.gratinglab-task) из папки класса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код задания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код, который дал учитель, до 32 знаков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер варианта от 1 до 99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фамилия, имя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Можно не заполнять; не больше 60 знаков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выберите себя в списке класса; вариант следует из списка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начать контрольное задание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть обычную лабораторную работу</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TeacherWindow</name>
    <message>
        <source>Учителю — Измерение длины световой волны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задание и ключ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Новое задание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Название задания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Класс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>например, 9Б</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Список класса, по ученику в строке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адрес или номер ученика — в той же строке после «;». Из таблицы (LibreOffice Calc, Excel) можно скопировать и вставить два столбца: фамилию с именем и адрес.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Список класса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Иванов Пётр; ivanov@school.ru
Петрова Анна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Без имён, вариантов:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число вариантов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код для доски</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Случайный код из цифр; «Другой код» выбирает новый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Другой код</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить задание…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать файл учителя, затем файл задания для папки класса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задание и ключ ответов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать код классу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код, название и класс во весь экран, для проектора; Esc закрывает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Что дальше</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать ключ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ключ ответов и длины волн в «Результатах»; не показывайте его на проекторе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ключ ответов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λ, нм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Символ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть файл учителя…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Новое задание…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть это задание и заполнить новое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл задания…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать файл задания для папки класса ещё раз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт в Moodle…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Результаты</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>Лабораторная работа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QGroupBox { border: 1px solid palette(mid); border-radius: 3px; }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pic_photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть задание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть файл контрольного задания из папки класса (Ctrl+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть задание…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
