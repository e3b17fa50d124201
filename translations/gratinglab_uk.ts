<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru_RU">
<context>
    <name>AppText</name>
    <message>
        <source>нет дисплея (DISPLAY и WAYLAND_DISPLAY не заданы)</source>
        <translation>немає дисплея (DISPLAY і WAYLAND_DISPLAY не задано)</translation>
    </message>
    <message>
        <source>Последние проверки не дошли до папки класса: она не отвечает. Они сохранены на этом компьютере, в папке «%1», и уйдут учителю при следующем запуске программы, или отдайте файл оттуда учителю.</source>
        <translation>Останні перевірки не дійшли до папки класу: вона не відповідає. Їх збережено на цьому комп&apos;ютері, у папці «%1», і їх буде передано вчителеві під час наступного запуску програми, або віддайте файл звідти вчителеві.</translation>
    </message>
    <message>
        <source>--screen teacher принимает только файл учителя (.gratinglab-teacher)</source>
        <translation>--screen teacher приймає лише файл учителя (.gratinglab-teacher)</translation>
    </message>
    <message>
        <source>параметру --screenshot нужно имя файла</source>
        <translation>параметру --screenshot потрібне ім&apos;я файлу</translation>
    </message>
    <message>
        <source>--screenshot принимает --task КОД вместе с --variant N</source>
        <translation>--screenshot приймає --task КОД разом із --variant N</translation>
    </message>
    <message>
        <source>--source %1 нельзя задать с --task: в задании свет даёт лампа задания</source>
        <translation>--source %1 не можна задати з --task: у завданні світло дає лампа завдання</translation>
    </message>
    <message>
        <source>--screen: нужно title, procedure, experiment, journal или teacher, а не «%1»</source>
        <translation>--screen: потрібно title, procedure, experiment, journal або teacher, а не «%1»</translation>
    </message>
    <message>
        <source>картинку не удалось закодировать</source>
        <translation>зображення не вдалося закодувати</translation>
    </message>
</context>
<context>
    <name>BenchTexts</name>
    <message>
        <source>Верно !</source>
        <translation>Вірно !</translation>
    </message>
    <message>
        <source>Неверно !</source>
        <translation>Невірно !</translation>
    </message>
    <message>
        <source>выбран центральный максимум</source>
        <translation>вибрано центральний максимум</translation>
    </message>
    <message>
        <source>выбран максимум %1-го порядка под осью</source>
        <translation>вибрано максимум %1-го порядку під віссю</translation>
    </message>
    <message>
        <source>выбран максимум %1-го порядка над осью</source>
        <translation>вибрано максимум %1-го порядку над віссю</translation>
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
        <translation>Довжина хвилі %1 нм, d = %2; %3, y = %4 см</translation>
    </message>
    <message>
        <source>d = %1; %2, y = %3 см</source>
        <translation>d = %1; %2, y = %3 см</translation>
    </message>
    <message>
        <source>d = %1 · 10⁻⁵ м</source>
        <translation>d = %1 · 10⁻⁵ м</translation>
    </message>
    <message>
        <source>λ: %1</source>
        <translation>λ: %1</translation>
    </message>
    <message>
        <source>λ = %1 нм</source>
        <translation>λ = %1 нм</translation>
    </message>
    <message>
        <source>y = %1 см, k = %2</source>
        <translation>y = %1 см, k = %2</translation>
    </message>
    <message>
        <source>y, см</source>
        <translation>y, см</translation>
    </message>
    <message>
        <source>F = 50см</source>
        <translation>F = 50см</translation>
    </message>
    <message>
        <source>фиолетовая граница спектра</source>
        <translation>фіолетова межа спектра</translation>
    </message>
    <message>
        <source>красная граница спектра</source>
        <translation>червона межа спектра</translation>
    </message>
    <message>
        <source>визир не на линии</source>
        <translation>візир не на лінії</translation>
    </message>
    <message>
        <source>ошибка в вычислении</source>
        <translation>помилка в обчисленні</translation>
    </message>
    <message>
        <source>введите порядок k от 1 до 8</source>
        <translation>введіть порядок k від 1 до 8</translation>
    </message>
    <message>
        <source>Монохроматический</source>
        <translation>Монохроматичне</translation>
    </message>
    <message>
        <source>Лампа: ртутная</source>
        <translation>Лампа: ртутна</translation>
    </message>
    <message>
        <source>Лампа: натриевая</source>
        <translation>Лампа: натрієва</translation>
    </message>
    <message>
        <source>Лампа: водородная</source>
        <translation>Лампа: воднева</translation>
    </message>
    <message>
        <source>Лампа: гелиевая</source>
        <translation>Лампа: гелієва</translation>
    </message>
    <message>
        <source>Лампа: неоновая</source>
        <translation>Лампа: неонова</translation>
    </message>
    <message>
        <source>Лампа: кадмиевая</source>
        <translation>Лампа: кадмієва</translation>
    </message>
    <message>
        <source>Белый свет</source>
        <translation>Біле світло</translation>
    </message>
    <message>
        <source>Ртутная лампа</source>
        <translation>Ртутна лампа</translation>
    </message>
    <message>
        <source>Натриевая лампа</source>
        <translation>Натрієва лампа</translation>
    </message>
    <message>
        <source>Водородная лампа</source>
        <translation>Воднева лампа</translation>
    </message>
    <message>
        <source>Гелиевая лампа</source>
        <translation>Гелієва лампа</translation>
    </message>
    <message>
        <source>Неоновая лампа</source>
        <translation>Неонова лампа</translation>
    </message>
    <message>
        <source>Кадмиевая лампа</source>
        <translation>Кадмієва лампа</translation>
    </message>
    <message>
        <source>Визир</source>
        <translation>Візир</translation>
    </message>
    <message>
        <source>визир y = %1 см</source>
        <translation>візир y = %1 см</translation>
    </message>
    <message>
        <source>Источник света</source>
        <translation>Джерело світла</translation>
    </message>
    <message>
        <source>ртуть</source>
        <translation>ртуть</translation>
    </message>
    <message>
        <source>натрий</source>
        <translation>натрій</translation>
    </message>
    <message>
        <source>водород</source>
        <translation>водень</translation>
    </message>
    <message>
        <source>гелий</source>
        <translation>гелій</translation>
    </message>
    <message>
        <source>неон</source>
        <translation>неон</translation>
    </message>
    <message>
        <source>кадмий</source>
        <translation>кадмій</translation>
    </message>
    <message>
        <source>литий</source>
        <translation>літій</translation>
    </message>
    <message>
        <source>таллий</source>
        <translation>талій</translation>
    </message>
    <message>
        <source>%1, %2 нм</source>
        <translation>%1, %2 нм</translation>
    </message>
    <message>
        <source>проверьте k</source>
        <translation>перевірте k</translation>
    </message>
    <message>
        <source>Почти: проверьте округление.</source>
        <translation>Майже: перевірте округлення.</translation>
    </message>
    <message>
        <source>Введите код задания, который дал учитель.</source>
        <translation>Введіть код завдання, який дав учитель.</translation>
    </message>
    <message>
        <source>Код задания слишком длинный: не больше %1 знаков.</source>
        <translation>Код завдання задовгий: не більше %1 знаків.</translation>
    </message>
    <message>
        <source>В коде задания есть недопустимые служебные символы.</source>
        <translation>У коді завдання є недопустимі службові символи.</translation>
    </message>
    <message>
        <source>Вариант — целое число от 1 до %1.</source>
        <translation>Варіант — ціле число від 1 до %1.</translation>
    </message>
    <message>
        <source>Фамилия и имя слишком длинные: не больше %1 знаков.</source>
        <translation>Прізвище та ім&apos;я задовгі: не більше %1 знаків.</translation>
    </message>
    <message>
        <source>В фамилии и имени есть недопустимые служебные символы.</source>
        <translation>У прізвищі та імені є недопустимі службові символи.</translation>
    </message>
    <message>
        <source> — контрольное задание, вариант %1</source>
        <translation> — контрольне завдання, варіант %1</translation>
    </message>
    <message>
        <source>Свет от лампы с неизвестной длиной волны</source>
        <translation>Світло від лампи з невідомою довжиною хвилі</translation>
    </message>
</context>
<context>
    <name>ClassResultsPanel</name>
    <message>
        <source>Указать папку класса…</source>
        <translation>Вказати папку класу…</translation>
    </message>
    <message>
        <source>Где теперь папка класса этого задания; записывается в файл учителя</source>
        <translation>Де тепер папка класу цього завдання; записується у файл учителя</translation>
    </message>
    <message>
        <source>Добавить папку…</source>
        <translation>Додати папку…</translation>
    </message>
    <message>
        <source>Читать результаты из папки класса и её подпапки «Результаты», с флешки или из загрузок</source>
        <translation>Читати результати з папки класу та її підпапки «Результати», з флешки або із завантажень</translation>
    </message>
    <message>
        <source>Добавить файлы…</source>
        <translation>Додати файли…</translation>
    </message>
    <message>
        <source>Читать отдельные файлы результатов учеников</source>
        <translation>Читати окремі файли результатів учнів</translation>
    </message>
    <message>
        <source>Результаты класса</source>
        <translation>Результати класу</translation>
    </message>
    <message>
        <source>Показывать оценки</source>
        <translation>Показувати оцінки</translation>
    </message>
    <message>
        <source>Файлы, которые не учтены</source>
        <translation>Файли, які не враховано</translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Зберегти CSV…</translation>
    </message>
    <message>
        <source>Таблица для Excel или LibreOffice Calc</source>
        <translation>Таблиця для Excel або LibreOffice Calc</translation>
    </message>
    <message>
        <source>Экспорт оценок в Moodle…</source>
        <translation>Експорт оцінок у Moodle…</translation>
    </message>
    <message>
        <source>CSV-файл для импорта оценок в Moodle</source>
        <translation>CSV-файл для імпорту оцінок у Moodle</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation>Зберегти PDF…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Друк…</translation>
    </message>
</context>
<context>
    <name>ClassroomTexts</name>
    <message>
        <source>%1 (код %2)</source>
        <translation>%1 (код %2)</translation>
    </message>
    <message>
        <source>вариант %1</source>
        <translation>варіант %1</translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation>Варіант</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Учень</translation>
    </message>
    <message>
        <source>Адрес или номер</source>
        <translation>Адреса або номер</translation>
    </message>
    <message>
        <source>λ, нм</source>
        <translation>λ, нм</translation>
    </message>
    <message>
        <source>Проверок</source>
        <translation>Перевірок</translation>
    </message>
    <message>
        <source>Решено</source>
        <translation>Розв&apos;язано</translation>
    </message>
    <message>
        <source>Проверок до верного ответа</source>
        <translation>Перевірок до правильної відповіді</translation>
    </message>
    <message>
        <source>Первый верный ответ</source>
        <translation>Перша правильна відповідь</translation>
    </message>
    <message>
        <source>Подсказок</source>
        <translation>Підказок</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Оцінка</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <source>Запусков</source>
        <translation>Запусків</translation>
    </message>
    <message>
        <source>да</source>
        <translation>так</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>ні</translation>
    </message>
    <message>
        <source>файлы расходятся</source>
        <translation>файли розходяться</translation>
    </message>
    <message>
        <source>%1; файлы расходятся</source>
        <translation>%1; файли розходяться</translation>
    </message>
    <message>
        <source>нет результата</source>
        <translation>немає результату</translation>
    </message>
    <message>
        <source>файл изменён</source>
        <translation>файл змінено</translation>
    </message>
    <message>
        <source>другое задание (код %1)</source>
        <translation>інше завдання (код %1)</translation>
    </message>
    <message>
        <source>вариант %1, а в задании варианты 1–%2</source>
        <translation>варіант %1, а в завданні варіанти 1–%2</translation>
    </message>
    <message>
        <source>ученика «%1» нет в списке класса</source>
        <translation>учня «%1» немає в списку класу</translation>
    </message>
    <message>
        <source>в файле нет имени ученика, а вариант %1 в списке — «%2»</source>
        <translation>у файлі немає імені учня, а варіант %1 у списку — «%2»</translation>
    </message>
    <message>
        <source>вариант %1 не совпадает со списком: у «%2» вариант %3</source>
        <translation>варіант %1 не збігається зі списком: у «%2» варіант %3</translation>
    </message>
    <message>
        <source>файл изменён: записанный результат проверки не совпадает с повторной проверкой</source>
        <translation>файл змінено: записаний результат перевірки не збігається з повторною перевіркою</translation>
    </message>
    <message>
        <source>файл изменён: контрольная сумма не сходится</source>
        <translation>файл змінено: контрольна сума не сходиться</translation>
    </message>
    <message>
        <source>повтор: для этого ученика учтён файл «%1»</source>
        <translation>повтор: для цього учня враховано файл «%1»</translation>
    </message>
    <message>
        <source>файлы расходятся: в учтённом файле «%1» другие проверки</source>
        <translation>файли розходяться: у врахованому файлі «%1» інші перевірки</translation>
    </message>
    <message>
        <source>не читается: %1</source>
        <translation>не читається: %1</translation>
    </message>
    <message>
        <source>слишком большой для файла результатов</source>
        <translation>завеликий для файлу результатів</translation>
    </message>
    <message>
        <source>файл повреждён</source>
        <translation>файл пошкоджено</translation>
    </message>
    <message>
        <source>файл повреждён: неверное поле «%1»</source>
        <translation>файл пошкоджено: неправильне поле «%1»</translation>
    </message>
    <message>
        <source>записан более новой версией gratinglab; обновите программу</source>
        <translation>записаний новішою версією gratinglab; оновіть програму</translation>
    </message>
    <message>
        <source>не файл результатов gratinglab</source>
        <translation>не файл результатів gratinglab</translation>
    </message>
    <message>
        <source>нет такой папки или файла</source>
        <translation>немає такої папки або файлу</translation>
    </message>
    <message>
        <source>папка не читается: нет доступа или сервер не отвечает</source>
        <translation>папка не читається: немає доступу або сервер не відповідає</translation>
    </message>
    <message>
        <source>ссылка, а не файл: не читается</source>
        <translation>посилання, а не файл: не читається</translation>
    </message>
    <message>
        <source>не обычный файл: не читается</source>
        <translation>не звичайний файл: не читається</translation>
    </message>
    <message>
        <source>не файл результатов (.gratinglab-result)</source>
        <translation>не файл результатів (.gratinglab-result)</translation>
    </message>
    <message>
        <source>больше %1 файлов результатов: остальные не прочитаны</source>
        <translation>понад %1 файлів результатів: решту не прочитано</translation>
    </message>
    <message>
        <source>файл учителя не называет папку класса (он записан без файла задания): укажите папку или файлы результатов параметром --results</source>
        <translation>файл учителя не називає папку класу (його записано без файлу завдання): вкажіть папку або файли результатів параметром --results</translation>
    </message>
    <message>
        <source>Измерение длины световой волны</source>
        <translation>Вимірювання довжини світлової хвилі</translation>
    </message>
    <message>
        <source>Список учеников пуст: вставьте по одному ученику в строке или укажите число вариантов.</source>
        <translation>Список учнів порожній: вставте по одному учню в рядку або вкажіть кількість варіантів.</translation>
    </message>
    <message>
        <source>Строка %1: пустая строка. Каждая строка — вариант; удалите пустые строки.</source>
        <translation>Рядок %1: порожній рядок. Кожен рядок — варіант; вилучіть порожні рядки.</translation>
    </message>
    <message>
        <source>Строка %1: нет фамилии и имени перед табуляцией или «;».</source>
        <translation>Рядок %1: немає прізвища та імені перед табуляцією або «;».</translation>
    </message>
    <message>
        <source>Строка %1: больше двух столбцов; нужны только фамилия с именем и адрес или номер.</source>
        <translation>Рядок %1: більше двох стовпців; потрібні лише прізвище з ім&apos;ям та адреса або номер.</translation>
    </message>
    <message>
        <source>Строка %1: в списке больше %2 учеников.</source>
        <translation>Рядок %1: у списку більше %2 учнів.</translation>
    </message>
    <message>
        <source>Строка %1: этот ученик уже есть в строке %2. Допишите к одинаковым именам что-нибудь отличающее.</source>
        <translation>Рядок %1: цей учень уже є в рядку %2. Допишіть до однакових імен щось відмінне.</translation>
    </message>
    <message>
        <source>Строка %1: фамилия и имя длиннее 60 знаков.</source>
        <translation>Рядок %1: прізвище та ім&apos;я довші за 60 знаків.</translation>
    </message>
    <message>
        <source>Строка %1: в фамилии и имени есть недопустимые служебные символы.</source>
        <translation>Рядок %1: у прізвищі та імені є недопустимі службові символи.</translation>
    </message>
    <message>
        <source>Строка %1: адрес или номер ученика длиннее %2 знаков.</source>
        <translation>Рядок %1: адреса або номер учня довші за %2 знаків.</translation>
    </message>
    <message>
        <source>Строка %1: в адресе или номере ученика есть недопустимые служебные символы.</source>
        <translation>Рядок %1: в адресі або номері учня є недопустимі службові символи.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл «%1»: %2.</source>
        <translation>Не вдалося прочитати файл «%1»: %2.</translation>
    </message>
    <message>
        <source>Файл «%1» слишком большой: это не файл учителя gratinglab.</source>
        <translation>Файл «%1» завеликий: це не файл учителя gratinglab.</translation>
    </message>
    <message>
        <source>Файл «%1» слишком большой: это не файл задания gratinglab.</source>
        <translation>Файл «%1» завеликий: це не файл завдання gratinglab.</translation>
    </message>
    <message>
        <source>Файл учителя «%1» повреждён: линии ключа в нём не те, что даёт код задания. Ключ по такому файлу не выдаётся.</source>
        <translation>Файл учителя «%1» пошкоджено: лінії ключа в ньому не ті, що дає код завдання. Ключ за таким файлом не видається.</translation>
    </message>
    <message>
        <source>Файл учителя «%1» повреждён и не читается.</source>
        <translation>Файл учителя «%1» пошкоджено, він не читається.</translation>
    </message>
    <message>
        <source>Файл задания «%1» повреждён и не читается.</source>
        <translation>Файл завдання «%1» пошкоджено, він не читається.</translation>
    </message>
    <message>
        <source>Файл учителя «%1» повреждён: неверное поле «%2».</source>
        <translation>Файл учителя «%1» пошкоджено: неправильне поле «%2».</translation>
    </message>
    <message>
        <source>Файл задания «%1» повреждён: неверное поле «%2».</source>
        <translation>Файл завдання «%1» пошкоджено: неправильне поле «%2».</translation>
    </message>
    <message>
        <source>Файл учителя «%1» записан более новой версией gratinglab; обновите программу.</source>
        <translation>Файл учителя «%1» записано новішою версією gratinglab; оновіть програму.</translation>
    </message>
    <message>
        <source>Файл задания «%1» записан более новой версией gratinglab; обновите программу.</source>
        <translation>Файл завдання «%1» записано новішою версією gratinglab; оновіть програму.</translation>
    </message>
    <message>
        <source>Файл «%1» — не файл учителя gratinglab.</source>
        <translation>Файл «%1» — не файл учителя gratinglab.</translation>
    </message>
    <message>
        <source>Файл «%1» — не файл задания gratinglab.</source>
        <translation>Файл «%1» — не файл завдання gratinglab.</translation>
    </message>
    <message>
        <source>«%1» — файл учителя с ключом ответов, а не файл задания для учеников.</source>
        <translation>«%1» — файл учителя з ключем відповідей, а не файл завдання для учнів.</translation>
    </message>
    <message>
        <source>«%1» — файл задания для учеников; ключ ответов есть только в файле учителя (.gratinglab-teacher).</source>
        <translation>«%1» — файл завдання для учнів; ключ відповідей є лише у файлі вчителя (.gratinglab-teacher).</translation>
    </message>
    <message>
        <source>В «%1» нет линий ключа (поля «lines»): так выглядит файл задания, исправленный под файл учителя, или файл учителя из прежней версии gratinglab. Ключ выдаётся только по файлу учителя с линиями; создайте задание заново.</source>
        <translation>У «%1» немає ліній ключа (поля «lines»): такий вигляд має файл завдання, виправлений під файл учителя, або файл учителя з попередньої версії gratinglab. Ключ видається лише за файлом учителя з лініями; створіть завдання заново.</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2.</source>
        <translation>Не вдалося записати файл «%1»: %2.</translation>
    </message>
    <message>
        <source>%1, код %2</source>
        <translation>%1, код %2</translation>
    </message>
    <message>
        <source>%1, %2, код %3</source>
        <translation>%1, %2, код %3</translation>
    </message>
    <message>
        <source>Вариант %1</source>
        <translation>Варіант %1</translation>
    </message>
    <message>
        <source>Вариант %1 — %2</source>
        <translation>Варіант %1 — %2</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1. Откройте в программе gratinglab контрольное задание с кодом &lt;b&gt;%2&lt;/b&gt;, вариант &lt;b&gt;%3&lt;/b&gt;. Измерьте длину волны света лампы и введите ответ в нанометрах (нм) — только число.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1. Відкрийте в програмі gratinglab контрольне завдання з кодом &lt;b&gt;%2&lt;/b&gt;, варіант &lt;b&gt;%3&lt;/b&gt;. Виміряйте довжину хвилі світла лампи та введіть відповідь у нанометрах (нм) — лише число.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>такого файла нет</source>
        <translation>такого файлу немає</translation>
    </message>
    <message>
        <source>это папка</source>
        <translation>це папка</translation>
    </message>
    <message>
        <source>нет прав на чтение</source>
        <translation>немає прав на читання</translation>
    </message>
    <message>
        <source>в папке «%1» нет свободного имени для копии</source>
        <translation>у папці «%1» немає вільного імені для копії</translation>
    </message>
    <message>
        <source>файл «%1» не читается</source>
        <translation>файл «%1» не читається</translation>
    </message>
    <message>
        <source>папку «%1» нельзя создать или она не отвечает</source>
        <translation>папку «%1» не можна створити або вона не відповідає</translation>
    </message>
    <message>
        <source>Оценка: 5 — верный ответ с первой проверки, 4 — верный ответ не позже третьей проверки, 3 — верный ответ позже, 2 — верного ответа нет.</source>
        <translation>Оцінка: 5 — правильна відповідь з першої перевірки, 4 — правильна відповідь не пізніше третьої перевірки, 3 — правильна відповідь пізніше, 2 — правильної відповіді немає.</translation>
    </message>
    <message>
        <source>Название — одна строка от 1 до %1 знаков.</source>
        <translation>Назва — один рядок від 1 до %1 знаків.</translation>
    </message>
    <message>
        <source>Класс — одна строка не длиннее %1 знаков.</source>
        <translation>Клас — один рядок не довший за %1 знаків.</translation>
    </message>
    <message>
        <source>Число вариантов — от 1 до %1.</source>
        <translation>Кількість варіантів — від 1 до %1.</translation>
    </message>
    <message>
        <source>папку «%1» нельзя создать</source>
        <translation>папку «%1» не можна створити</translation>
    </message>
    <message>
        <source>Выберите свою фамилию и имя из списка класса.</source>
        <translation>Виберіть своє прізвище та ім&apos;я зі списку класу.</translation>
    </message>
    <message>
        <source>«%1» нет в списке класса этого задания.</source>
        <translation>«%1» немає в списку класу цього завдання.</translation>
    </message>
    <message>
        <source>Вариант — целое число от 1 до %1.</source>
        <translation>Варіант — ціле число від 1 до %1.</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>папки «%1» нет</source>
        <translation>папки «%1» немає</translation>
    </message>
    <message>
        <source>нет места на диске</source>
        <translation>немає місця на диску</translation>
    </message>
    <message>
        <source>папка только для чтения</source>
        <translation>папка лише для читання</translation>
    </message>
    <message>
        <source>нет права записи</source>
        <translation>немає права запису</translation>
    </message>
    <message>
        <source>сервер не отвечает</source>
        <translation>сервер не відповідає</translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation>файл зайнятий</translation>
    </message>
    <message>
        <source>папки больше нет</source>
        <translation>папки більше немає</translation>
    </message>
    <message>
        <source>файл не удалось записать</source>
        <translation>файл не вдалося записати</translation>
    </message>
    <message>
        <source>файл не удалось прочитать</source>
        <translation>файл не вдалося прочитати</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>%1 Ключ ответов выдаётся только по файлу учителя (.gratinglab-teacher), который записывают окно учителя и --new-task.</source>
        <translation>%1 Ключ відповідей видається лише за файлом учителя (.gratinglab-teacher), який записують вікно вчителя та --new-task.</translation>
    </message>
    <message>
        <source>параметру --results нужна папка или файл</source>
        <translation>параметру --results потрібна папка або файл</translation>
    </message>
    <message>
        <source>в файл для Moodle не вошли (нет адреса или номера в файле учителя либо нет оценки): %1</source>
        <translation>до файлу для Moodle не ввійшли (немає адреси або номера у файлі вчителя чи немає оцінки): %1</translation>
    </message>
    <message>
        <source>КОД</source>
        <translation>КОД</translation>
    </message>
    <message>
        <source>открыть окно как контрольное задание: лампа с неизвестной
длиной волны по коду учителя (от 1 до 32 знаков); без КОДА
или без --variant их спрашивает окно «Контрольное задание»</source>
        <translation>відкрити вікно як контрольне завдання: лампа з
невідомою довжиною хвилі за кодом учителя (від 1 до
32 знаків); без КОДУ чи без --variant їх запитує
вікно «Контрольне завдання»</translation>
    </message>
    <message>
        <source>вариант ученика, от 1 до 99</source>
        <translation>варіант учня, від 1 до 99</translation>
    </message>
    <message>
        <source>ИМЯ</source>
        <translation>ІМ&apos;Я</translation>
    </message>
    <message>
        <source>имя ученика, до 60 знаков (необязательно); с файлом
задания, где есть список класса, — имя из этого списка</source>
        <translation>ім&apos;я учня, до 60 знаків (необов&apos;язково); з файлом
завдання, де є список класу, — ім&apos;я з цього списку</translation>
    </message>
    <message>
        <source>ФАЙЛ.png</source>
        <translation>ФАЙЛ.png</translation>
    </message>
    <message>
        <source>записать картину стенда 945 × 445 в PNG, не открывая окна</source>
        <translation>записати картину стенда 945 × 445 у PNG,
не відкриваючи вікна</translation>
    </message>
    <message>
        <source>НМ</source>
        <translation>НМ</translation>
    </message>
    <message>
        <source>длина волны на шкале, от 380 до 760 нм</source>
        <translation>довжина хвилі на шкалі, від 380 до 760 нм</translation>
    </message>
    <message>
        <source>ТЕКСТ</source>
        <translation>ТЕКСТ</translation>
    </message>
    <message>
        <source>текст, набранный в поле длины волны (рисуется,
когда выбран порядок)</source>
        <translation>текст, набраний у полі довжини хвилі (малюється,
коли вибрано порядок)</translation>
    </message>
    <message>
        <source>постоянная решетки от 1,0 до 3,0 с шагом 0,1
(десятичный знак «,» или «.»)</source>
        <translation>період ґратки від 1,0 до 3,0 з кроком 0,1
(десятковий знак «,» або «.»)</translation>
    </message>
    <message>
        <source>выбранный порядок, от -8 до 8 (по умолчанию 1); с лампой
или белым светом — порядок, набранный в поле k</source>
        <translation>вибраний порядок, від -8 до 8 (типово 1); з лампою
або білим світлом — порядок, набраний у полі k</translation>
    </message>
    <message>
        <source>ИСТОЧНИК</source>
        <translation>ДЖЕРЕЛО</translation>
    </message>
    <message>
        <source>источник света: mono — одна длина волны (по умолчанию),
white — белый свет, или лампа: hg — ртутная,
na — натриевая, h — водородная, he — гелиевая,
ne — неоновая, cd — кадмиевая</source>
        <translation>джерело світла: mono — одна довжина хвилі (типово),
white — біле світло, або лампа: hg — ртутна,
na — натрієва, h — воднева, he — гелієва,
ne — неонова, cd — кадмієва</translation>
    </message>
    <message>
        <source>визир на Y см от оси (от -5 до 5, «,» или «.»),
на ближайшей строке пикселей; с mono он иначе скрыт</source>
        <translation>візир на Y см від осі (від -5 до 5, «,» або «.»),
на найближчому рядку пікселів; з mono без нього
візир приховано</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>записать и показания в JSON («-» — стандартный вывод)</source>
        <translation>записати й показання в JSON («-» — стандартний вивід)</translation>
    </message>
    <message>
        <source>записать всё окно %1 с открытым экраном,
нарисованное вне экрана</source>
        <translation>записати все вікно %1 з відкритим екраном,
намальоване поза екраном</translation>
    </message>
    <message>
        <source>ЭКРАН</source>
        <translation>ЕКРАН</translation>
    </message>
    <message>
        <source>title, procedure, experiment, journal или teacher — окно
учителя с заданием из ФАЙЛА учителя (по умолчанию title)</source>
        <translation>title, procedure, experiment, journal або teacher —
вікно вчителя із завданням з ФАЙЛУ вчителя;
типово title</translation>
    </message>
    <message>
        <source>открыть окно учителя: новое задание, ключ ответов, печать,
PDF и экспорт в Moodle; с ФАЙЛОМ учителя — это задание</source>
        <translation>відкрити вікно вчителя: нове завдання, ключ
відповідей, друк, PDF та експорт у Moodle; з ФАЙЛОМ
учителя — це завдання</translation>
    </message>
    <message>
        <source>без окна записать новое задание: ФАЙЛ учителя
(.gratinglab-teacher) и файл задания для учеников в папке
класса; случайный код для доски — на стандартный вывод</source>
        <translation>без вікна записати нове завдання: ФАЙЛ учителя
(.gratinglab-teacher) і файл завдання для учнів у
папці класу; випадковий код для дошки — у
стандартний вивід</translation>
    </message>
    <message>
        <source>ПАПКА</source>
        <translation>ПАПКА</translation>
    </message>
    <message>
        <source>папка класса для файла задания (.gratinglab-task)</source>
        <translation>папка класу для файлу завдання (.gratinglab-task)</translation>
    </message>
    <message>
        <source>СПИСОК</source>
        <translation>СПИСОК</translation>
    </message>
    <message>
        <source>список учеников, UTF-8: по одному в строке, после табуляции
или «;» можно адрес или номер; не больше 99</source>
        <translation>список учнів, UTF-8: по одному в рядку, після
табуляції або «;» можна адресу або номер;
не більше 99 учнів</translation>
    </message>
    <message>
        <source>вместо списка: число вариантов, от 1 до 99</source>
        <translation>замість списку: кількість варіантів, від 1 до 99</translation>
    </message>
    <message>
        <source>название (по умолчанию «Измерение длины световой волны»)</source>
        <translation>назва (типово «Вимірювання довжини світлової хвилі»)</translation>
    </message>
    <message>
        <source>КЛАСС</source>
        <translation>КЛАС</translation>
    </message>
    <message>
        <source>класс, например 9Б</source>
        <translation>клас, наприклад 9-Б</translation>
    </message>
    <message>
        <source>напечатать ключ ответов по ФАЙЛУ учителя: по строке на
вариант (вариант, ученик, длина волны в нм, элемент, символ
через табуляцию)</source>
        <translation>надрукувати ключ відповідей за ФАЙЛОМ учителя: по
рядку на варіант (варіант, учень, довжина хвилі в нм,
елемент, символ через табуляцію)</translation>
    </message>
    <message>
        <source>записать ключ или отчёт о классе и в PDF (A4)</source>
        <translation>записати ключ або звіт про клас і в PDF (A4)</translation>
    </message>
    <message>
        <source>записать ключ как тест для Moodle (Moodle XML)</source>
        <translation>записати ключ як тест для Moodle (Moodle XML)</translation>
    </message>
    <message>
        <source>результаты класса по ФАЙЛУ учителя: по строке на ученика
(ученик, вариант, длина волны в нм, проверок, решено 1/0,
проверок до верного ответа, оценка через табуляцию); файлы,
которые не учтены, — в поток ошибок с причиной</source>
        <translation>результати класу за ФАЙЛОМ учителя: по рядку на учня
(учень, варіант, довжина хвилі в нм, перевірок,
розв&apos;язано 1/0, перевірок до правильної відповіді,
оцінка через табуляцію); файли, які не враховано,
— у потік помилок із причиною</translation>
    </message>
    <message>
        <source>ПАПКА|ФАЙЛ</source>
        <translation>ПАПКА|ФАЙЛ</translation>
    </message>
    <message>
        <source>папка класса (с её подпапкой «Результаты») или файл
результата ученика; можно повторять</source>
        <translation>папка класу (з її підпапкою «Результати») або файл
результату учня; можна повторювати</translation>
    </message>
    <message>
        <source>записать таблицу и в CSV для Excel или LibreOffice</source>
        <translation>записати таблицю і в CSV для Excel або LibreOffice</translation>
    </message>
    <message>
        <source>записать оценки в CSV для импорта оценок в Moodle</source>
        <translation>записати оцінки в CSV для імпорту оцінок у Moodle</translation>
    </message>
    <message>
        <source>ЯЗЫК</source>
        <translation>МОВА</translation>
    </message>
    <message>
        <source>язык программы на этот запуск: ru, en, uk или kk
(без него — по LANGUAGE, LC_ALL, LC_MESSAGES, LANG;
иначе русский)</source>
        <translation>мова програми на цей запуск: ru, en, uk або kk
(без нього — за LANGUAGE, LC_ALL, LC_MESSAGES, LANG;
інакше російська)</translation>
    </message>
    <message>
        <source>показать эту справку</source>
        <translation>показати цю довідку</translation>
    </message>
    <message>
        <source>показать версию программы</source>
        <translation>показати версію програми</translation>
    </message>
    <message>
        <source>параметр %1 не принимает значения</source>
        <translation>параметр %1 не приймає значення</translation>
    </message>
    <message>
        <source>параметру %1 нужно значение (см. --help)</source>
        <translation>параметру %1 потрібне значення (див. --help)</translation>
    </message>
    <message>
        <source> или </source>
        <translation> або </translation>
    </message>
    <message>
        <source>неизвестный параметр %1%2 (см. --help)</source>
        <translation>невідомий параметр %1%2 (див. --help)</translation>
    </message>
    <message>
        <source>параметр %1 задан дважды</source>
        <translation>параметр %1 задано двічі</translation>
    </message>
    <message>
        <source>%1 и %2 нельзя задать вместе</source>
        <translation>%1 і %2 не можна задати разом</translation>
    </message>
    <message>
        <source>лишний аргумент «%1» (см. --help)</source>
        <translation>зайвий аргумент «%1» (див. --help)</translation>
    </message>
    <message>
        <source>неизвестный язык «%1»: --language принимает ru, en, uk или kk</source>
        <translation>невідома мова «%1»: --language приймає ru, en, uk або kk</translation>
    </message>
    <message>
        <source>параметр %1 нельзя задать с %2</source>
        <translation>параметр %1 не можна задати з %2</translation>
    </message>
    <message>
        <source>параметр %1 задаётся только с %2 (см. --help)</source>
        <translation>параметр %1 задається лише з %2 (див. --help)</translation>
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
        <translation>Використання:
  gratinglab [--task [КОД] [--variant N] [--pupil ІМ&apos;Я]]
  gratinglab ФАЙЛ.gratinglab-task [--pupil ІМ&apos;Я | --variant N]
  gratinglab --render ФАЙЛ.png [--wavelength НМ] [--wavelength-text ТЕКСТ]
             [--grating D] [--order K] [--state ФАЙЛ]
  gratinglab --render ФАЙЛ.png --task КОД --variant N [--grating D]
             [--order K] [--state ФАЙЛ]
  gratinglab --render ФАЙЛ.png --source white|hg|na|h|he|ne|cd [--grating D]
             [--cursor Y] [--order K] [--state ФАЙЛ]
  gratinglab --screenshot ФАЙЛ.png
             [--screen title|procedure|experiment|journal]
             [--task КОД --variant N [--pupil ІМ&apos;Я]] [--source ДЖЕРЕЛО]
             [--cursor Y]
  gratinglab --screenshot ФАЙЛ.png --screen teacher ФАЙЛ.gratinglab-teacher
  gratinglab --teacher [ФАЙЛ.gratinglab-teacher]
  gratinglab --new-task ФАЙЛ.gratinglab-teacher --class-folder ПАПКА
             (--pupils СПИСОК | --variants N) [--title ТЕКСТ] [--class КЛАС]
  gratinglab --answer-key ФАЙЛ.gratinglab-teacher [--pdf ФАЙЛ]
             [--moodle-xml ФАЙЛ]
  gratinglab --class-report ФАЙЛ.gratinglab-teacher [--results ПАПКА|ФАЙЛ]...
             [--csv ФАЙЛ] [--moodle-csv ФАЙЛ] [--pdf ФАЙЛ]
  gratinglab --help | --version

Без параметрів програма відкриває своє вікно. З файлом завдання з папки
класу (.gratinglab-task) вікно одразу починає контрольне завдання: учень
вибирає себе в списку класу (або вводить варіант, якщо списку немає).

--render малює картину стенда без вікна, якою її показав би екран
«Експеримент» після таких кроків: запуск; повзунок пересунуто на НМ;
період ґратки збільшено від 1,0 до D; у полі довжини хвилі набрано ТЕКСТ;
вибрано максимум порядку K. З --task КОД --variant N повзунок стоїть на
лінії лампи цього варіанта, а --wavelength і --wavelength-text не задають.
З --source white або лампою стенд освітлюють усі її лінії (або весь
спектр): довжину хвилі не задають, максимуми не вибирають, візир стоїть
на Y, а K набрано в полі порядку k.

Параметри:
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
Кожен параметр зі значенням можна писати й як --параметр=значення.

Код виходу: 0 — готово; 1 — ТЕКСТ не ціле число (картину й показання все
одно записано, наскільки їх намальовано); 2 — неправильні параметри, файл,
який не можна прочитати, або файл, який не можна записати (тоді не записано
нічого). З --class-report файли результатів, які не враховано, коду виходу
не змінюють.
</translation>
    </message>
    <message>
        <source>параметру --%1 нужно имя файла</source>
        <translation>параметру --%1 потрібне ім&apos;я файлу</translation>
    </message>
    <message>
        <source>не удаётся записать «%1»: %2</source>
        <translation>не вдається записати «%1»: %2</translation>
    </message>
    <message>
        <source>--pupils «%1»: файл слишком большой для списка класса</source>
        <translation>--pupils «%1»: файл завеликий для списку класу</translation>
    </message>
    <message>
        <source>--pupils: не удалось прочитать файл «%1»: %2</source>
        <translation>--pupils: не вдалося прочитати файл «%1»: %2</translation>
    </message>
    <message>
        <source>--pupils «%1»: список должен быть в кодировке UTF-8</source>
        <translation>--pupils «%1»: список має бути в кодуванні UTF-8</translation>
    </message>
    <message>
        <source>параметру --new-task нужно имя файла учителя</source>
        <translation>параметру --new-task потрібне ім&apos;я файлу вчителя</translation>
    </message>
    <message>
        <source>--new-task: нужна --class-folder ПАПКА — папка класса для файла задания</source>
        <translation>--new-task: потрібна --class-folder ПАПКА — папка класу для файлу завдання</translation>
    </message>
    <message>
        <source>--class-folder: папки «%1» нет</source>
        <translation>--class-folder: папки «%1» немає</translation>
    </message>
    <message>
        <source>--new-task: нужен либо --pupils СПИСОК, либо --variants N</source>
        <translation>--new-task: потрібен або --pupils СПИСОК, або --variants N</translation>
    </message>
    <message>
        <source>--variants: нужно целое число от 1 до 99, а не «%1»</source>
        <translation>--variants: потрібне ціле число від 1 до 99, а не «%1»</translation>
    </message>
    <message>
        <source>папки «%1» нет</source>
        <translation>папки «%1» немає</translation>
    </message>
    <message>
        <source>файл «%1» уже есть; новое задание его не заменяет — выберите другое имя</source>
        <translation>файл «%1» уже є; нове завдання його не замінює — виберіть інше ім&apos;я</translation>
    </message>
    <message>
        <source>--render принимает --task КОД вместе с --variant N, без --pupil</source>
        <translation>--render приймає --task КОД разом із --variant N, без --pupil</translation>
    </message>
    <message>
        <source>параметру --render нужно имя файла</source>
        <translation>параметру --render потрібне ім&apos;я файлу</translation>
    </message>
    <message>
        <source>параметру --state нужно имя файла</source>
        <translation>параметру --state потрібне ім&apos;я файлу</translation>
    </message>
    <message>
        <source>--wavelength: нужно целое число от 380 до 760, а не «%1»</source>
        <translation>--wavelength: потрібне ціле число від 380 до 760, а не «%1»</translation>
    </message>
    <message>
        <source>--grating: нужно одно из 1,0; 1,1; … 3,0, а не «%1»</source>
        <translation>--grating: потрібне одне з 1,0; 1,1; … 3,0, а не «%1»</translation>
    </message>
    <message>
        <source>--order: нужно целое число от -8 до 8, а не «%1»</source>
        <translation>--order: потрібне ціле число від -8 до 8, а не «%1»</translation>
    </message>
    <message>
        <source>--wavelength и --wavelength-text нельзя задать с --source %1: длины волн даёт источник</source>
        <translation>--wavelength і --wavelength-text не можна задати з --source %1: довжини хвиль дає джерело</translation>
    </message>
    <message>
        <source>--source %1 нельзя задать с --task: в задании свет даёт лампа задания</source>
        <translation>--source %1 не можна задати з --task: у завданні світло дає лампа завдання</translation>
    </message>
    <message>
        <source>--wavelength и --wavelength-text нельзя задать с --task: длину волны задаёт лампа</source>
        <translation>--wavelength і --wavelength-text не можна задати з --task: довжину хвилі задає лампа</translation>
    </message>
    <message>
        <source>--source: нужно одно из %1, а не «%2»</source>
        <translation>--source: потрібне одне з %1, а не «%2»</translation>
    </message>
    <message>
        <source>--cursor: нужно расстояние от оси в см, от -5 до 5, а не «%1»</source>
        <translation>--cursor: потрібна відстань від осі в см, від -5 до 5, а не «%1»</translation>
    </message>
    <message>
        <source>файл задания и --task нельзя задать вместе: код уже в файле</source>
        <translation>файл завдання і --task не можна задати разом: код уже у файлі</translation>
    </message>
    <message>
        <source>в этом задании вариант следует из списка класса: задайте --pupil ИМЯ, а не --variant</source>
        <translation>у цьому завданні варіант випливає зі списку класу: задайте --pupil ІМ&apos;Я, а не --variant</translation>
    </message>
    <message>
        <source>--variant и --pupil задаются только вместе с --task КОД (см. --help)</source>
        <translation>--variant і --pupil задаються лише разом із --task КОД (див. --help)</translation>
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
        <translation>Оптичний стенд</translation>
    </message>
    <message>
        <source>Решетка, линза и экран с дифракционными максимумами</source>
        <translation>Ґратка, лінза та екран із дифракційними максимумами</translation>
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
        <translation>Центральний максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать центральный максимум</source>
        <translation>Клацніть, щоб вибрати центральний максимум</translation>
    </message>
    <message>
        <source>Максимум 1-го порядка над осью</source>
        <translation>Максимум 1-го порядку над віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 1-го порядка над осью</source>
        <translation>Клацніть, щоб вибрати максимум 1-го порядку над віссю</translation>
    </message>
    <message>
        <source>Максимум 2-го порядка над осью</source>
        <translation>Максимум 2-го порядку над віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 2-го порядка над осью</source>
        <translation>Клацніть, щоб вибрати максимум 2-го порядку над віссю</translation>
    </message>
    <message>
        <source>Максимум 3-го порядка над осью</source>
        <translation>Максимум 3-го порядку над віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 3-го порядка над осью</source>
        <translation>Клацніть, щоб вибрати максимум 3-го порядку над віссю</translation>
    </message>
    <message>
        <source>Максимум 4-го порядка над осью</source>
        <translation>Максимум 4-го порядку над віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 4-го порядка над осью</source>
        <translation>Клацніть, щоб вибрати максимум 4-го порядку над віссю</translation>
    </message>
    <message>
        <source>Максимум 5-го порядка над осью</source>
        <translation>Максимум 5-го порядку над віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 5-го порядка над осью</source>
        <translation>Клацніть, щоб вибрати максимум 5-го порядку над віссю</translation>
    </message>
    <message>
        <source>Максимум 6-го порядка над осью</source>
        <translation>Максимум 6-го порядку над віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 6-го порядка над осью</source>
        <translation>Клацніть, щоб вибрати максимум 6-го порядку над віссю</translation>
    </message>
    <message>
        <source>Максимум 7-го порядка над осью</source>
        <translation>Максимум 7-го порядку над віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 7-го порядка над осью</source>
        <translation>Клацніть, щоб вибрати максимум 7-го порядку над віссю</translation>
    </message>
    <message>
        <source>Максимум 8-го порядка над осью</source>
        <translation>Максимум 8-го порядку над віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 8-го порядка над осью</source>
        <translation>Клацніть, щоб вибрати максимум 8-го порядку над віссю</translation>
    </message>
    <message>
        <source>Максимум 1-го порядка под осью</source>
        <translation>Максимум 1-го порядку під віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 1-го порядка под осью</source>
        <translation>Клацніть, щоб вибрати максимум 1-го порядку під віссю</translation>
    </message>
    <message>
        <source>Максимум 2-го порядка под осью</source>
        <translation>Максимум 2-го порядку під віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 2-го порядка под осью</source>
        <translation>Клацніть, щоб вибрати максимум 2-го порядку під віссю</translation>
    </message>
    <message>
        <source>Максимум 3-го порядка под осью</source>
        <translation>Максимум 3-го порядку під віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 3-го порядка под осью</source>
        <translation>Клацніть, щоб вибрати максимум 3-го порядку під віссю</translation>
    </message>
    <message>
        <source>Максимум 4-го порядка под осью</source>
        <translation>Максимум 4-го порядку під віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 4-го порядка под осью</source>
        <translation>Клацніть, щоб вибрати максимум 4-го порядку під віссю</translation>
    </message>
    <message>
        <source>Максимум 5-го порядка под осью</source>
        <translation>Максимум 5-го порядку під віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 5-го порядка под осью</source>
        <translation>Клацніть, щоб вибрати максимум 5-го порядку під віссю</translation>
    </message>
    <message>
        <source>Максимум 6-го порядка под осью</source>
        <translation>Максимум 6-го порядку під віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 6-го порядка под осью</source>
        <translation>Клацніть, щоб вибрати максимум 6-го порядку під віссю</translation>
    </message>
    <message>
        <source>Максимум 7-го порядка под осью</source>
        <translation>Максимум 7-го порядку під віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 7-го порядка под осью</source>
        <translation>Клацніть, щоб вибрати максимум 7-го порядку під віссю</translation>
    </message>
    <message>
        <source>Максимум 8-го порядка под осью</source>
        <translation>Максимум 8-го порядку під віссю</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 8-го порядка под осью</source>
        <translation>Клацніть, щоб вибрати максимум 8-го порядку під віссю</translation>
    </message>
    <message>
        <source>Угол отклонения над осью</source>
        <translation>Кут відхилення над віссю</translation>
    </message>
    <message>
        <source>Дуга угла φ между осью и лучом к выбранному максимуму</source>
        <translation>Дуга кута φ між віссю та променем до вибраного максимуму</translation>
    </message>
    <message>
        <source>pic_arc_up</source>
        <translation>pic_arc_up</translation>
    </message>
    <message>
        <source>Угол отклонения под осью</source>
        <translation>Кут відхилення під віссю</translation>
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
        <translation>Джерело світла:</translation>
    </message>
    <message>
        <source>Источник света</source>
        <translation>Джерело світла</translation>
    </message>
    <message>
        <source>Чем освещен стенд: одна длина волны, лампа или белый свет</source>
        <translation>Чим освітлено стенд: одна довжина хвилі, лампа або біле світло</translation>
    </message>
    <message>
        <source>Показание визира</source>
        <translation>Показання візира</translation>
    </message>
    <message>
        <source>Визир</source>
        <translation>Візир</translation>
    </message>
    <message>
        <source>Спектральная полоса</source>
        <translation>Спектральна смуга</translation>
    </message>
    <message>
        <source>Цвета света от 380 до 760 нм</source>
        <translation>Кольори світла від 380 до 760 нм</translation>
    </message>
    <message>
        <source>pic_spectrum</source>
        <translation>pic_spectrum</translation>
    </message>
    <message>
        <source>Ползунок длины волны</source>
        <translation>Повзунок довжини хвилі</translation>
    </message>
    <message>
        <source>Перетащите вдоль спектральной полосы, чтобы выбрать длину волны</source>
        <translation>Перетягніть уздовж спектральної смуги, щоб вибрати довжину хвилі</translation>
    </message>
    <message>
        <source>pic_pointer</source>
        <translation>pic_pointer</translation>
    </message>
    <message>
        <source>d =                     10   м    </source>
        <translation>d =                     10   м    </translation>
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
        <translation> =              нм    </translation>
    </message>
    <message>
        <source>Уменьшить длину волны</source>
        <translation>Зменшити довжину хвилі</translation>
    </message>
    <message>
        <source>Сдвинуть ползунок на 1 нм влево; удерживайте для повтора</source>
        <translation>Зсунути повзунок на 1 нм ліворуч; утримуйте для повторення</translation>
    </message>
    <message>
        <source>Увеличить длину волны</source>
        <translation>Збільшити довжину хвилі</translation>
    </message>
    <message>
        <source>Сдвинуть ползунок на 1 нм вправо; удерживайте для повтора</source>
        <translation>Зсунути повзунок на 1 нм праворуч; утримуйте для повторення</translation>
    </message>
    <message>
        <source>y =              cм      k =   </source>
        <translation>y =              см      k =   </translation>
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
        <translation>нм</translation>
    </message>
    <message>
        <source>Результат проверки</source>
        <translation>Результат перевірки</translation>
    </message>
    <message>
        <source>Верно или неверно вычислена длина волны</source>
        <translation>Правильно чи неправильно обчислено довжину хвилі</translation>
    </message>
    <message>
        <source>Верно !</source>
        <translation>Вірно !</translation>
    </message>
    <message>
        <source>Постоянная решетки d</source>
        <translation>Період ґратки d</translation>
    </message>
    <message>
        <source>Постоянная дифракционной решетки в единицах 10^-5 м; меняется переключателем рядом</source>
        <translation>Період дифракційної ґратки в одиницях 10^-5 м; змінюється перемикачем поруч</translation>
    </message>
    <message>
        <source>1,0</source>
        <translation>1,0</translation>
    </message>
    <message>
        <source>Переключатель постоянной решетки</source>
        <translation>Перемикач періоду ґратки</translation>
    </message>
    <message>
        <source>Увеличить или уменьшить постоянную решетки на 0,1</source>
        <translation>Збільшити або зменшити період ґратки на 0,1</translation>
    </message>
    <message>
        <source>Длина волны λ</source>
        <translation>Довжина хвилі λ</translation>
    </message>
    <message>
        <source>Длина волны света в нанометрах</source>
        <translation>Довжина хвилі світла в нанометрах</translation>
    </message>
    <message>
        <source>380</source>
        <translation>380</translation>
    </message>
    <message>
        <source>Расстояние y</source>
        <translation>Відстань y</translation>
    </message>
    <message>
        <source>Расстояние выбранного максимума от центра экрана в сантиметрах</source>
        <translation>Відстань вибраного максимуму від центра екрана в сантиметрах</translation>
    </message>
    <message>
        <source>Порядок максимума k</source>
        <translation>Порядок максимуму k</translation>
    </message>
    <message>
        <source>Порядок выбранного максимума</source>
        <translation>Порядок вибраного максимуму</translation>
    </message>
    <message>
        <source>Ответ</source>
        <translation>Відповідь</translation>
    </message>
    <message>
        <source>Вычисленная длина волны в нанометрах, только цифры</source>
        <translation>Обчислена довжина хвилі в нанометрах, лише цифри</translation>
    </message>
    <message>
        <source>Проверить ответ</source>
        <translation>Перевірити відповідь</translation>
    </message>
    <message>
        <source>Проверить ответ или сбросить проверку</source>
        <translation>Перевірити відповідь або скинути перевірку</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Перевірити</translation>
    </message>
    <message>
        <source>Лампа</source>
        <translation>Лампа</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Подсказка после проверки ответа</source>
        <translation>Підказка після перевірки відповіді</translation>
    </message>
</context>
<context>
    <name>JournalScreen</name>
    <message>
        <source>Ученик:</source>
        <translation>Учень:</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Учень</translation>
    </message>
    <message>
        <source>Фамилия и имя ученика для отчёта</source>
        <translation>Прізвище та ім&apos;я учня для звіту</translation>
    </message>
    <message>
        <source>Класс:</source>
        <translation>Клас:</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Клас</translation>
    </message>
    <message>
        <source>Класс ученика для отчёта</source>
        <translation>Клас учня для звіту</translation>
    </message>
    <message>
        <source>Журнал измерений</source>
        <translation>Журнал вимірювань</translation>
    </message>
    <message>
        <source>Каждая проверка ответа: время, установки стенда, вычисленная длина волны, ответ и результат</source>
        <translation>Кожна перевірка відповіді: час, налаштування стенда, обчислена довжина хвилі, відповідь і результат</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Удалить все записи журнала</source>
        <translation>Вилучити всі записи журналу</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Сохранить журнал в файл CSV или отчёт PDF (Ctrl+S)</source>
        <translation>Зберегти журнал у файл CSV або звіт PDF (Ctrl+S)</translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation>Зберегти…</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Напечатать отчёт (Ctrl+P)</source>
        <translation>Надрукувати звіт (Ctrl+P)</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Друк…</translation>
    </message>
    <message>
        <source>Заметка</source>
        <translation>Нотатка</translation>
    </message>
</context>
<context>
    <name>JournalTexts</name>
    <message>
        <source>белый</source>
        <translation>біле</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>λ уст., нм</source>
        <translation>λ вст., нм</translation>
    </message>
    <message>
        <source>d, 10⁻⁵ м</source>
        <translation>d, 10⁻⁵ м</translation>
    </message>
    <message>
        <source>y, см</source>
        <translation>y, см</translation>
    </message>
    <message>
        <source>λ по d и y, нм</source>
        <translation>λ за d і y, нм</translation>
    </message>
    <message>
        <source>Ответ, нм</source>
        <translation>Відповідь, нм</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Верно</source>
        <translation>Вірно</translation>
    </message>
    <message>
        <source>Неверно</source>
        <translation>Невірно</translation>
    </message>
    <message>
        <source>поле «%1» повреждено</source>
        <translation>поле «%1» пошкоджено</translation>
    </message>
    <message>
        <source>файл слишком большой</source>
        <translation>файл завеликий</translation>
    </message>
    <message>
        <source>файл повреждён</source>
        <translation>файл пошкоджено</translation>
    </message>
    <message>
        <source>это не журнал gratinglab</source>
        <translation>це не журнал gratinglab</translation>
    </message>
    <message>
        <source>журнал записан другой версией программы</source>
        <translation>журнал записано іншою версією програми</translation>
    </message>
    <message>
        <source>&lt;p&gt;Ученик: %1&lt;br&gt;Класс: %2&lt;br&gt;Дата: %3&lt;/p&gt;</source>
        <translation>&lt;p&gt;Учень: %1&lt;br&gt;Клас: %2&lt;br&gt;Дата: %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Задание: код %1, вариант %2&lt;/p&gt;</source>
        <translation>&lt;p&gt;Завдання: код %1, варіант %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Отчёт о лабораторной работе «Измерение длины световой волны»</source>
        <translation>Звіт про лабораторну роботу «Вимірювання довжини світлової хвилі»</translation>
    </message>
    <message>
        <source>&lt;p&gt;Расчётная формула: λ = d·y/(k·F), где d — период решётки, y — расстояние от центра до максимума k-го порядка, F = 50 см — фокусное расстояние линзы.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Розрахункова формула: λ = d·y/(k·F), де d — період ґратки, y — відстань від центра до максимуму k-го порядку, F = 50 см — фокусна відстань лінзи.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation>Вимірювання</translation>
    </message>
    <message>
        <source>Итоги</source>
        <translation>Підсумки</translation>
    </message>
    <message>
        <source>Стенд при последней проверке</source>
        <translation>Стенд під час останньої перевірки</translation>
    </message>
    <message>
        <source>такой папки нет</source>
        <translation>такої папки немає</translation>
    </message>
    <message>
        <source>под этим именем уже есть папка</source>
        <translation>під цим ім&apos;ям уже є папка</translation>
    </message>
    <message>
        <source>нет права записи</source>
        <translation>немає права запису</translation>
    </message>
    <message>
        <source>Не удалось сохранить журнал в файл «%1»: %2. Записи журнала сохранены в программе; выберите другое место.</source>
        <translation>Не вдалося зберегти журнал у файл «%1»: %2. Записи журналу збережено в програмі; виберіть інше місце.</translation>
    </message>
    <message>
        <source>Файл результата бывает только у контрольного задания: сохраните журнал как отчёт PDF или таблицу CSV.</source>
        <translation>Файл результату буває лише в контрольного завдання: збережіть журнал як звіт PDF або таблицю CSV.</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;λ уст., нм&lt;/th&gt;&lt;th&gt;Проверок&lt;/th&gt;&lt;th&gt;Среднее %1, нм&lt;/th&gt;&lt;th&gt;s, нм&lt;/th&gt;&lt;th&gt;Среднее верных ответов %1&lt;sub&gt;отв&lt;/sub&gt;, нм&lt;/th&gt;&lt;th&gt;δ, %&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;λ вст., нм&lt;/th&gt;&lt;th&gt;Перевірок&lt;/th&gt;&lt;th&gt;Середнє %1, нм&lt;/th&gt;&lt;th&gt;s, нм&lt;/th&gt;&lt;th&gt;Середнє правильних відповідей %1&lt;sub&gt;відп&lt;/sub&gt;, нм&lt;/th&gt;&lt;th&gt;δ, %&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;λ = d·y / (k·F), F = 50 см; &amp;nbsp; %1 = (λ&lt;sub&gt;1&lt;/sub&gt; + λ&lt;sub&gt;2&lt;/sub&gt; + … + λ&lt;sub&gt;n&lt;/sub&gt;) / n; &amp;nbsp; s = √( Σ (λ&lt;sub&gt;i&lt;/sub&gt; − %1)² / (n − 1) ); &amp;nbsp; δ = |%1&lt;sub&gt;отв&lt;/sub&gt; − λ&lt;sub&gt;уст&lt;/sub&gt;| / λ&lt;sub&gt;уст&lt;/sub&gt; · 100 %&lt;/p&gt;&lt;p&gt;%1 — среднее вычисленных длин волн, s — их выборочное стандартное отклонение (при n ≥ 2), %1&lt;sub&gt;отв&lt;/sub&gt; — среднее верных ответов, λ&lt;sub&gt;уст&lt;/sub&gt; — установленная длина волны.&lt;/p&gt;</source>
        <translation>&lt;p&gt;λ = d·y / (k·F), F = 50 см; &amp;nbsp; %1 = (λ&lt;sub&gt;1&lt;/sub&gt; + λ&lt;sub&gt;2&lt;/sub&gt; + … + λ&lt;sub&gt;n&lt;/sub&gt;) / n; &amp;nbsp; s = √( Σ (λ&lt;sub&gt;i&lt;/sub&gt; − %1)² / (n − 1) ); &amp;nbsp; δ = |%1&lt;sub&gt;відп&lt;/sub&gt; − λ&lt;sub&gt;вст&lt;/sub&gt;| / λ&lt;sub&gt;вст&lt;/sub&gt; · 100 %&lt;/p&gt;&lt;p&gt;%1 — середнє обчислених довжин хвиль, s — їхнє вибіркове стандартне відхилення (при n ≥ 2), %1&lt;sub&gt;відп&lt;/sub&gt; — середнє правильних відповідей, λ&lt;sub&gt;вст&lt;/sub&gt; — установлена довжина хвилі.&lt;/p&gt;</translation>
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
        <translation>Хід роботи:</translation>
    </message>
    <message>
        <source>     Виртуальный стенд позволяет проводить экспериментальные исследования спектров, получаемых 
с помощью дифракционной решетки.
     Положение максимумов в дифракционной картине соответствует условию:                              ,
где d - постоянная дифракционной решетки,        - угол отклонения выбранного максимума, k - порядок 
максимума,      - длина волны.
     Таким образом, длину волны можно определить используя выражение:
 </source>
        <translation>     Віртуальний стенд дає змогу проводити експериментальні дослідження спектрів, одержаних 
за допомогою дифракційної ґратки.
     Положення головних максимумів у дифракційній картині відповідає умові:                              ,
де d - період (стала) дифракційної ґратки,            - кут відхилення вибраного максимуму, k - порядок 
максимуму,      - довжина хвилі.
     Отже, довжину хвилі можна визначити за допомогою виразу:
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
        <translation>1. Змінюючи період дифракційної ґратки за допомогою перемикачів, простежте зміну положення максимумів.
2. Змінюючи довжину хвилі за допомогою перемикачів або повзунка на спектральній смузі, простежте зміну положення максимумів та їх інтенсивності. 

3. Установіть повзунок на жовту частину спектра.
4. Виберіть другий максимум, клацнувши по його зображенню.
5. Обчисліть довжину світлової хвилі жовтого кольору.
6. Введіть отриманий результат у поле відповіді та перевірте його.
7. Змінюючи період ґратки, порядок максимуму та положення повзунка, знайдіть довжину світлової хвилі блакитного і зеленого кольорів.</translation>
    </message>
</context>
<context>
    <name>PupilText</name>
    <message>
        <source>%1 нм</source>
        <translation>%1 нм</translation>
    </message>
    <message>
        <source>Проверить ответ</source>
        <translation>Перевірити відповідь</translation>
    </message>
    <message>
        <source>Сбросить проверку</source>
        <translation>Скинути перевірку</translation>
    </message>
    <message>
        <source>Калькулятор Windows (calc.exe) не запустился.</source>
        <translation>Калькулятор Windows (calc.exe) не запустився.</translation>
    </message>
    <message>
        <source>Калькулятор не установлен: на этом компьютере нет ни одной из программ %1.</source>
        <translation>Калькулятор не встановлено: на цьому комп&apos;ютері немає жодної з програм %1.</translation>
    </message>
    <message>
        <source>Калькулятор «%1» не запустился.</source>
        <translation>Калькулятор «%1» не запустився.</translation>
    </message>
    <message>
        <source>%1 см</source>
        <translation>%1 см</translation>
    </message>
    <message>
        <source>Визир скрыт; стрелка вверх или вниз показывает его</source>
        <translation>Візир приховано; стрілка вгору або вниз показує його</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Перевірити</translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Отчёт PDF (*.pdf)</source>
        <translation>Звіт PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>Таблиця CSV (*.csv)</translation>
    </message>
    <message>
        <source>Файл результата для учителя (*.gratinglab-result)</source>
        <translation>Файл результату для вчителя (*.gratinglab-result)</translation>
    </message>
    <message>
        <source>Сохранить журнал</source>
        <translation>Зберегти журнал</translation>
    </message>
    <message>
        <source>журнал</source>
        <translation>журнал</translation>
    </message>
    <message>
        <source>Печать отчёта</source>
        <translation>Друк звіту</translation>
    </message>
    <message>
        <source>Восстановить журнал прошлого занятия?</source>
        <translation>Відновити журнал минулого заняття?</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Відновити</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>Выделить всё</source>
        <translation>Виділити все</translation>
    </message>
    <message>
        <source>Выделить все записи журнала</source>
        <translation>Виділити всі записи журналу</translation>
    </message>
    <message>
        <source>Задание: код %1, вариант %2</source>
        <translation>Завдання: код %1, варіант %2</translation>
    </message>
    <message>
        <source>Записей пока нет: каждая проверка ответа на стенде добавит строку.</source>
        <translation>Записів поки немає: кожна перевірка відповіді на стенді додасть рядок.</translation>
    </message>
    <message>
        <source>Очистить журнал? Все записи будут удалены.</source>
        <translation>Очистити журнал? Усі записи буде вилучено.</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Сохранить журнал измерений?</source>
        <translation>Зберегти журнал вимірювань?</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Не зберігати</translation>
    </message>
    <message>
        <source>перейти к следующему или предыдущему элементу окна</source>
        <translation>перейти до наступного або попереднього елемента вікна</translation>
    </message>
    <message>
        <source>Пробел</source>
        <translation>Пробіл</translation>
    </message>
    <message>
        <source>нажать выбранную кнопку</source>
        <translation>натиснути вибрану кнопку</translation>
    </message>
    <message>
        <source>увеличить или уменьшить постоянную решетки d на 0,1 (на экране эксперимента)</source>
        <translation>збільшити або зменшити період ґратки d на 0,1 (на екрані експерименту)</translation>
    </message>
    <message>
        <source>на спектральной полосе: длина волны на 1 нм больше или меньше</source>
        <translation>на спектральній смузі: довжина хвилі на 1 нм більша або менша</translation>
    </message>
    <message>
        <source>на спектральной полосе: длина волны на 10 нм больше или меньше</source>
        <translation>на спектральній смузі: довжина хвилі на 10 нм більша або менша</translation>
    </message>
    <message>
        <source>на спектральной полосе: длина волны 380 нм или 760 нм</source>
        <translation>на спектральній смузі: довжина хвилі 380 нм або 760 нм</translation>
    </message>
    <message>
        <source>на картине стенда: выбрать соседний максимум выше или ниже оси</source>
        <translation>на картині стенда: вибрати сусідній максимум вище або нижче осі</translation>
    </message>
    <message>
        <source>на картине стенда: выбрать центральный максимум</source>
        <translation>на картині стенда: вибрати центральний максимум</translation>
    </message>
    <message>
        <source>на визире (справа, у шкалы): визир на 1 пиксель или на 1 см выше или ниже; при монохроматическом свете первое нажатие показывает визир</source>
        <translation>на візирі (праворуч, біля шкали): візир на 1 піксель або на 1 см вище або нижче; за монохроматичного світла перше натискання показує візир</translation>
    </message>
    <message>
        <source>на визире: визир на ось; скрыть визир при монохроматическом свете</source>
        <translation>на візирі: візир на вісь; приховати візир за монохроматичного світла</translation>
    </message>
    <message>
        <source>в поле «Источник света»: выбрать другой источник</source>
        <translation>у полі «Джерело світла»: вибрати інше джерело</translation>
    </message>
    <message>
        <source>в поле ответа: проверить ответ, как кнопка «Проверить»</source>
        <translation>у полі відповіді: перевірити відповідь, як кнопка «Перевірити»</translation>
    </message>
    <message>
        <source>в журнале: сохранить журнал (CSV или PDF), напечатать отчёт</source>
        <translation>у журналі: зберегти журнал (CSV або PDF), надрукувати звіт</translation>
    </message>
    <message>
        <source>открыть файл контрольного задания, как «Открыть задание…» на заставке</source>
        <translation>відкрити файл контрольного завдання, як «Відкрити завдання…» на заставці</translation>
    </message>
    <message>
        <source>открыть эту справку; Esc закрывает её</source>
        <translation>відкрити цю довідку; Esc закриває її</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Управление с клавиатуры</source>
        <translation>Керування з клавіатури</translation>
    </message>
    <message>
        <source>  Измерение длины световой волны (gratinglab, виртуальная лабораторная работа по физике)</source>
        <translation>  Вимірювання довжини світлової хвилі (gratinglab, віртуальна лабораторна робота з фізики)</translation>
    </message>
    <message>
        <source>Измерение длины световой волны</source>
        <translation>Вимірювання довжини світлової хвилі</translation>
    </message>
    <message>
        <source>Задание уже открыто. Чтобы открыть другое, закройте программу и откройте файл задания снова.</source>
        <translation>Завдання вже відкрито. Щоб відкрити інше, закрийте програму й відкрийте файл завдання знову.</translation>
    </message>
    <message>
        <source>Папка класса не отвечает: «%1». Возможно, сервер выключен или сеть недоступна.</source>
        <translation>Папка класу не відповідає: «%1». Можливо, сервер вимкнено або мережа недоступна.</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>В папку класса результаты пока не записываются; все проверки сохранены на этом компьютере, и программа передаёт их, как только папка ответит.</source>
        <translation>До папки класу результати поки не записуються; усі перевірки збережено на цьому комп&apos;ютері, і програма передасть їх, щойно папка відповість.</translation>
    </message>
    <message>
        <source>Папка класса не отвечает; проверки сохранены здесь</source>
        <translation>Папка класу не відповідає; перевірки збережено тут</translation>
    </message>
    <message>
        <source>Все проверки уже сохранены для учителя на этом компьютере, в папке «%1». Сохранить журнал измерений?</source>
        <translation>Усі перевірки вже збережено для вчителя на цьому комп&apos;ютері, у папці «%1». Зберегти журнал вимірювань?</translation>
    </message>
    <message>
        <source>Все проверки уже переданы учителю: они в папке «%1». Сохранить журнал измерений?</source>
        <translation>Усі перевірки вже передано вчителеві: вони в папці «%1». Зберегти журнал вимірювань?</translation>
    </message>
    <message>
        <source>Последние проверки ещё не дошли до папки класса «%1»: все они сохранены на этом компьютере, в папке «%2». Сохранить журнал измерений?</source>
        <translation>Останні перевірки ще не дійшли до папки класу «%1»: усі їх збережено на цьому комп&apos;ютері, у папці «%2». Зберегти журнал вимірювань?</translation>
    </message>
    <message>
        <source>Подсказка после проверки ответа</source>
        <translation>Підказка після перевірки відповіді</translation>
    </message>
    <message>
        <source>Увеличить постоянную решетки</source>
        <translation>Збільшити період ґратки</translation>
    </message>
    <message>
        <source>Уменьшить постоянную решетки</source>
        <translation>Зменшити період ґратки</translation>
    </message>
    <message>
        <source>Постоянная решетки на 0,1 больше, до 3</source>
        <translation>Період ґратки на 0,1 більший, до 3</translation>
    </message>
    <message>
        <source>Постоянная решетки на 0,1 меньше, до 1</source>
        <translation>Період ґратки на 0,1 менший, до 1</translation>
    </message>
    <message>
        <source>Открыть файл задания</source>
        <translation>Відкрити файл завдання</translation>
    </message>
    <message>
        <source>Файлы задания (*.gratinglab-task);;Все файлы (*)</source>
        <translation>Файли завдання (*.gratinglab-task);;Усі файли (*)</translation>
    </message>
    <message>
        <source>«%1», класс %2</source>
        <translation>«%1», клас %2</translation>
    </message>
    <message>
        <source>— выберите себя в списке —</source>
        <translation>— виберіть себе у списку —</translation>
    </message>
    <message>
        <source>Источник света</source>
        <translation>Джерело світла</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Длина волны лампы неизвестна: её нужно измерить</source>
        <translation>Довжина хвилі лампи невідома: її потрібно виміряти</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Заставка</source>
        <translation>Заставка</translation>
    </message>
    <message>
        <source>Показать титульный экран</source>
        <translation>Показати титульний екран</translation>
    </message>
    <message>
        <source>Ход работы</source>
        <translation>Хід роботи</translation>
    </message>
    <message>
        <source>Показать описание и порядок выполнения работы</source>
        <translation>Показати опис і порядок виконання роботи</translation>
    </message>
    <message>
        <source>Эксперимент</source>
        <translation>Експеримент</translation>
    </message>
    <message>
        <source>Показать виртуальный стенд</source>
        <translation>Показати віртуальний стенд</translation>
    </message>
    <message>
        <source>Калькулятор</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Запустить калькулятор</source>
        <translation>Запустити калькулятор</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Закрыть программу</source>
        <translation>Закрити програму</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Показать журнал измерений и отчёт</source>
        <translation>Показати журнал вимірювань і звіт</translation>
    </message>
</context>
<context>
    <name>TaskDialog</name>
    <message>
        <source>Контрольное задание</source>
        <translation>Контрольне завдання</translation>
    </message>
    <message>
        <source>Код задания даёт учитель — на доске или в файле задания.</source>
        <translation>Код завдання дає вчитель — на дошці або у файлі завдання.</translation>
    </message>
    <message>
        <source>Открыть файл задания…</source>
        <translation>Відкрити файл завдання…</translation>
    </message>
    <message>
        <source>Открыть файл задания (.gratinglab-task) из папки класса</source>
        <translation>Відкрити файл завдання (.gratinglab-task) з папки класу</translation>
    </message>
    <message>
        <source>Код задания</source>
        <translation>Код завдання</translation>
    </message>
    <message>
        <source>Код, который дал учитель, до 32 знаков</source>
        <translation>Код, який дав учитель, до 32 знаків</translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation>Варіант</translation>
    </message>
    <message>
        <source>Номер варианта от 1 до 99</source>
        <translation>Номер варіанта від 1 до 99</translation>
    </message>
    <message>
        <source>Фамилия, имя</source>
        <translation>Прізвище, ім&apos;я</translation>
    </message>
    <message>
        <source>Можно не заполнять; не больше 60 знаков</source>
        <translation>Можна не заповнювати; не більше 60 знаків</translation>
    </message>
    <message>
        <source>Выберите себя в списке класса; вариант следует из списка</source>
        <translation>Виберіть себе у списку класу; варіант випливає зі списку</translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Почати</translation>
    </message>
    <message>
        <source>Начать контрольное задание</source>
        <translation>Почати контрольне завдання</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Открыть обычную лабораторную работу</source>
        <translation>Відкрити звичайну лабораторну роботу</translation>
    </message>
</context>
<context>
    <name>TeacherText</name>
    <message>
        <source>Вариант</source>
        <translation>Варіант</translation>
    </message>
    <message>
        <source>λ, нм</source>
        <translation>λ, нм</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Елемент</translation>
    </message>
    <message>
        <source>Символ</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Учень</translation>
    </message>
    <message>
        <source>Ключ ответов: %1</source>
        <translation>Ключ відповідей: %1</translation>
    </message>
    <message>
        <source>Код задания %1    Дата %2</source>
        <translation>Код завдання %1    Дата %2</translation>
    </message>
    <message>
        <source>Класс %1    Код задания %2    Дата %3</source>
        <translation>Клас %1    Код завдання %2    Дата %3</translation>
    </message>
    <message>
        <source>Ключ ответов: %1, код %2</source>
        <translation>Ключ відповідей: %1, код %2</translation>
    </message>
    <message>
        <source>Код для доски</source>
        <translation>Код для дошки</translation>
    </message>
    <message>
        <source>Класс %1</source>
        <translation>Клас %1</translation>
    </message>
    <message>
        <source>Esc — закрыть</source>
        <translation>Esc — закрити</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Файлы, которые не учтены&lt;/h3&gt;&lt;ul&gt;</source>
        <translation>&lt;h3&gt;Файли, які не враховано&lt;/h3&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>Класс: %1&lt;br&gt;</source>
        <translation>Клас: %1&lt;br&gt;</translation>
    </message>
    <message>
        <source>Код задания: %1&lt;br&gt;Дата: %2</source>
        <translation>Код завдання: %1&lt;br&gt;Дата: %2</translation>
    </message>
    <message>
        <source>&lt;h2 align=&quot;center&quot;&gt;Результаты класса: %1&lt;/h2&gt;</source>
        <translation>&lt;h2 align=&quot;center&quot;&gt;Результати класу: %1&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Решили верно: %1 из %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Розв&apos;язали правильно: %1 з %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Результаты класса: %1, код %2</source>
        <translation>Результати класу: %1, код %2</translation>
    </message>
    <message>
        <source>Папка с результатами учеников</source>
        <translation>Папка з результатами учнів</translation>
    </message>
    <message>
        <source>Файлы результатов учеников</source>
        <translation>Файли результатів учнів</translation>
    </message>
    <message>
        <source>Файлы результатов (*.gratinglab-result)</source>
        <translation>Файли результатів (*.gratinglab-result)</translation>
    </message>
    <message>
        <source>Где теперь папка класса?</source>
        <translation>Де тепер папка класу?</translation>
    </message>
    <message>
        <source>Откройте файл учителя или сохраните задание — здесь появятся результаты класса.</source>
        <translation>Відкрийте файл учителя або збережіть завдання — тут з&apos;являться результати класу.</translation>
    </message>
    <message>
        <source>Откуда читать результаты? Добавьте папку класса (с подпапкой «Результаты»), флешку или файлы из почты.</source>
        <translation>Звідки читати результати? Додайте папку класу (з підпапкою «Результати»), флешку або файли з пошти.</translation>
    </message>
    <message>
        <source>Папка класса «%1» не найдена или не открывается: %2. Если её перенесли или переименовали, нажмите «Указать папку класса…».</source>
        <translation>Папку класу «%1» не знайдено або вона не відкривається: %2. Якщо її перенесли або перейменували, натисніть «Вказати папку класу…».</translation>
    </message>
    <message>
        <source>Папка класса недоступна с %1: показаны результаты, прочитанные до этого (серым). Читается: %2</source>
        <translation>Папка класу недоступна з %1: показано результати, прочитані до цього (сірим). Читається: %2</translation>
    </message>
    <message>
        <source>Читается: %1</source>
        <translation>Читається: %1</translation>
    </message>
    <message>
        <source>Прочитано до того, как папка класса стала недоступна.</source>
        <translation>Прочитано до того, як папка класу стала недоступною.</translation>
    </message>
    <message>
        <source>Сохранить результаты класса в CSV</source>
        <translation>Зберегти результати класу в CSV</translation>
    </message>
    <message>
        <source>Результаты %1</source>
        <translation>Результати %1</translation>
    </message>
    <message>
        <source>CSV для Excel и LibreOffice (*.csv)</source>
        <translation>CSV для Excel і LibreOffice (*.csv)</translation>
    </message>
    <message>
        <source>Экспорт оценок в Moodle (импорт оценок из CSV-файла)</source>
        <translation>Експорт оцінок у Moodle (імпорт оцінок із CSV-файлу)</translation>
    </message>
    <message>
        <source>Оценки Moodle %1</source>
        <translation>Оцінки Moodle %1</translation>
    </message>
    <message>
        <source>В файл не вошли (нет адреса или номера в файле учителя либо нет оценки): %1.</source>
        <translation>До файлу не ввійшли (немає адреси або номера у файлі вчителя чи немає оцінки): %1.</translation>
    </message>
    <message>
        <source>Сохранить отчёт о классе в PDF</source>
        <translation>Зберегти звіт про клас у PDF</translation>
    </message>
    <message>
        <source>Файлы учителя (*.gratinglab-teacher)</source>
        <translation>Файли вчителя (*.gratinglab-teacher)</translation>
    </message>
    <message>
        <source>Файлы задания (*.gratinglab-task)</source>
        <translation>Файли завдання (*.gratinglab-task)</translation>
    </message>
    <message>
        <source>Учителю — Измерение длины световой волны</source>
        <translation>Учителеві — Вимірювання довжини світлової хвилі</translation>
    </message>
    <message>
        <source>Открыть файл учителя</source>
        <translation>Відкрити файл учителя</translation>
    </message>
    <message>
        <source>Ключ ответов появится здесь, когда задание сохранено или открыт файл учителя.</source>
        <translation>Ключ відповідей з&apos;явиться тут, коли завдання збережено або відкрито файл учителя.</translation>
    </message>
    <message>
        <source>учеников: %1</source>
        <translation>учнів: %1</translation>
    </message>
    <message>
        <source>вариантов: %1</source>
        <translation>варіантів: %1</translation>
    </message>
    <message>
        <source>«%1», %2 от %3. Файл учителя: %4</source>
        <translation>«%1», %2 від %3. Файл учителя: %4</translation>
    </message>
    <message>
        <source>«%1», класс %2, %3 от %4. Файл учителя: %5</source>
        <translation>«%1», клас %2, %3 від %4. Файл учителя: %5</translation>
    </message>
    <message>
        <source>Скрыть ключ</source>
        <translation>Сховати ключ</translation>
    </message>
    <message>
        <source>Показать ключ</source>
        <translation>Показати ключ</translation>
    </message>
    <message>
        <source>Сохранить файл учителя — храните его там, где ученики его не прочтут</source>
        <translation>Зберегти файл учителя — зберігайте його там, де учні його не прочитають</translation>
    </message>
    <message>
        <source>Задание не сохранено: файл учителя не выбран, ничего не записано.</source>
        <translation>Завдання не збережено: файл учителя не вибрано, нічого не записано.</translation>
    </message>
    <message>
        <source>Сохранить файл задания в папку класса</source>
        <translation>Зберегти файл завдання в папку класу</translation>
    </message>
    <message>
        <source>%1 Задание не сохранено.</source>
        <translation>%1 Завдання не збережено.</translation>
    </message>
    <message>
        <source>Файл учителя записан: %1. Файл задания для учеников не записан — папка класса не выбрана; запишите его кнопкой «Файл задания…».</source>
        <translation>Файл учителя записано: %1. Файл завдання для учнів не записано — папку класу не вибрано; запишіть його кнопкою «Файл завдання…».</translation>
    </message>
    <message>
        <source>Файлы записываются…</source>
        <translation>Файли записуються…</translation>
    </message>
    <message>
        <source>Что дальше: файл задания — %1. Ученики открывают его двойным щелчком в папке класса или запускают «Измерение длины световой волны» с рабочего стола и нажимают «Открыть задание…». Их результаты появятся на вкладке «Результаты».</source>
        <translation>Що далі: файл завдання — %1. Учні відкривають його подвійним клацанням у папці класу або запускають «Вимірювання довжини світлової хвилі» з робочого столу й натискають «Відкрити завдання…». Їхні результати з&apos;являться на вкладці «Результати».</translation>
    </message>
    <message>
        <source>Файл задания не записан: папка класса не выбрана.</source>
        <translation>Файл завдання не записано: папку класу не вибрано.</translation>
    </message>
    <message>
        <source>%1 Файл задания не записан.</source>
        <translation>%1 Файл завдання не записано.</translation>
    </message>
    <message>
        <source>%1 Новая папка класса читается, но в файл учителя не записана.</source>
        <translation>%1 Нова папка класу читається, але у файл учителя її не записано.</translation>
    </message>
    <message>
        <source>Папка класса записана в файл учителя: %1.</source>
        <translation>Папку класу записано у файл учителя: %1.</translation>
    </message>
    <message>
        <source>Сохранить ключ ответов в PDF</source>
        <translation>Зберегти ключ відповідей у PDF</translation>
    </message>
    <message>
        <source>Ключ %1</source>
        <translation>Ключ %1</translation>
    </message>
    <message>
        <source>Экспорт в Moodle (Moodle XML)</source>
        <translation>Експорт у Moodle (Moodle XML)</translation>
    </message>
</context>
<context>
    <name>TeacherWindow</name>
    <message>
        <source>Учителю — Измерение длины световой волны</source>
        <translation>Учителеві — Вимірювання довжини світлової хвилі</translation>
    </message>
    <message>
        <source>Задание и ключ</source>
        <translation>Завдання і ключ</translation>
    </message>
    <message>
        <source>Новое задание</source>
        <translation>Нове завдання</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Название задания</source>
        <translation>Назва завдання</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Клас</translation>
    </message>
    <message>
        <source>например, 9Б</source>
        <translation>наприклад, 9-Б</translation>
    </message>
    <message>
        <source>Список класса, по ученику в строке</source>
        <translation>Список класу, по учню в рядку</translation>
    </message>
    <message>
        <source>Адрес или номер ученика — в той же строке после «;». Из таблицы (LibreOffice Calc, Excel) можно скопировать и вставить два столбца: фамилию с именем и адрес.</source>
        <translation>Адреса або номер учня — у тому самому рядку після «;». З таблиці (LibreOffice Calc, Excel) можна скопіювати й вставити два стовпці: прізвище з ім&apos;ям та адресу.</translation>
    </message>
    <message>
        <source>Список класса</source>
        <translation>Список класу</translation>
    </message>
    <message>
        <source>Иванов Пётр; ivanov@school.ru
Петрова Анна</source>
        <translation>Іваненко Петро; ivanenko@school.ua
Петренко Ганна</translation>
    </message>
    <message>
        <source>Без имён, вариантов:</source>
        <translation>Без імен, варіантів:</translation>
    </message>
    <message>
        <source>Число вариантов</source>
        <translation>Кількість варіантів</translation>
    </message>
    <message>
        <source>Код для доски</source>
        <translation>Код для дошки</translation>
    </message>
    <message>
        <source>Случайный код из цифр; «Другой код» выбирает новый</source>
        <translation>Випадковий код із цифр; «Інший код» вибирає новий</translation>
    </message>
    <message>
        <source>Другой код</source>
        <translation>Інший код</translation>
    </message>
    <message>
        <source>Сохранить задание…</source>
        <translation>Зберегти завдання…</translation>
    </message>
    <message>
        <source>Записать файл учителя, затем файл задания для папки класса</source>
        <translation>Записати файл учителя, потім файл завдання для папки класу</translation>
    </message>
    <message>
        <source>Задание и ключ ответов</source>
        <translation>Завдання і ключ відповідей</translation>
    </message>
    <message>
        <source>Показать код классу</source>
        <translation>Показати код класові</translation>
    </message>
    <message>
        <source>Код, название и класс во весь экран, для проектора; Esc закрывает</source>
        <translation>Код, назва та клас на весь екран, для проєктора; Esc закриває</translation>
    </message>
    <message>
        <source>Что дальше</source>
        <translation>Що далі</translation>
    </message>
    <message>
        <source>Показать ключ</source>
        <translation>Показати ключ</translation>
    </message>
    <message>
        <source>Ключ ответов и длины волн в «Результатах»; не показывайте его на проекторе</source>
        <translation>Ключ відповідей і довжини хвиль у «Результатах»; не показуйте його на проєкторі</translation>
    </message>
    <message>
        <source>Ключ ответов</source>
        <translation>Ключ відповідей</translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation>Варіант</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Учень</translation>
    </message>
    <message>
        <source>λ, нм</source>
        <translation>λ, нм</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Елемент</translation>
    </message>
    <message>
        <source>Символ</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>Открыть файл учителя…</source>
        <translation>Відкрити файл учителя…</translation>
    </message>
    <message>
        <source>Новое задание…</source>
        <translation>Нове завдання…</translation>
    </message>
    <message>
        <source>Закрыть это задание и заполнить новое</source>
        <translation>Закрити це завдання й заповнити нове</translation>
    </message>
    <message>
        <source>Файл задания…</source>
        <translation>Файл завдання…</translation>
    </message>
    <message>
        <source>Записать файл задания для папки класса ещё раз</source>
        <translation>Записати файл завдання для папки класу ще раз</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Друк…</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation>Зберегти PDF…</translation>
    </message>
    <message>
        <source>Экспорт в Moodle…</source>
        <translation>Експорт у Moodle…</translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Результаты</source>
        <translation>Результати</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>Лабораторная работа</source>
        <translation>Лабораторна робота</translation>
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
        <translation>Відкрити завдання</translation>
    </message>
    <message>
        <source>Открыть файл контрольного задания из папки класса (Ctrl+O)</source>
        <translation>Відкрити файл контрольного завдання з папки класу (Ctrl+O)</translation>
    </message>
    <message>
        <source>Открыть задание…</source>
        <translation>Відкрити завдання…</translation>
    </message>
    <message>
        <source>Экспериментальное измерение</source>
        <extracomment>The banner&apos;s first line. The two lines make one phrase; a language with another word order may move words between them.</extracomment>
        <translation>Експериментальне вимірювання</translation>
    </message>
    <message>
        <source>длины световой волны</source>
        <extracomment>The banner&apos;s second line (see the first).</extracomment>
        <translation>довжини світлової хвилі</translation>
    </message>
</context>
</TS>
