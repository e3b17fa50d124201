<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kk" sourcelanguage="ru_RU">
<context>
    <name>AppText</name>
    <message>
        <source>нет дисплея (DISPLAY и WAYLAND_DISPLAY не заданы)</source>
        <translation>дисплей жоқ (DISPLAY және WAYLAND_DISPLAY берілмеген)</translation>
    </message>
    <message>
        <source>Последние проверки не дошли до папки класса: она не отвечает. Они сохранены на этом компьютере, в папке «%1», и уйдут учителю при следующем запуске программы, или отдайте файл оттуда учителю.</source>
        <translation>Соңғы тексерулер сынып папкасына жетпеді: ол жауап бермейді. Олар осы компьютерде, «%1» папкасында сақталды және бағдарлама келесі рет іске қосылғанда мұғалімге жіберіледі, немесе файлды сол жерден мұғалімге беріңіз.</translation>
    </message>
    <message>
        <source>--screen teacher принимает только файл учителя (.gratinglab-teacher)</source>
        <translation>--screen teacher тек мұғалім файлын қабылдайды (.gratinglab-teacher)</translation>
    </message>
    <message>
        <source>параметру --screenshot нужно имя файла</source>
        <translation>--screenshot параметріне файл аты керек</translation>
    </message>
    <message>
        <source>--screenshot принимает --task КОД вместе с --variant N</source>
        <translation>--screenshot --task КОД параметрін тек --variant N параметрімен бірге қабылдайды</translation>
    </message>
    <message>
        <source>--source %1 нельзя задать с --task: в задании свет даёт лампа задания</source>
        <translation>--source %1 параметрін --task параметрімен бірге беруге болмайды: тапсырмада жарықты тапсырма шамы береді</translation>
    </message>
    <message>
        <source>--screen: нужно title, procedure, experiment, journal или teacher, а не «%1»</source>
        <translation>--screen: title, procedure, experiment, journal немесе teacher керек, «%1» емес</translation>
    </message>
    <message>
        <source>картинку не удалось закодировать</source>
        <translation>суретті кодтау мүмкін болмады</translation>
    </message>
</context>
<context>
    <name>BenchTexts</name>
    <message>
        <source>Верно !</source>
        <translation>Дұрыс !</translation>
    </message>
    <message>
        <source>Неверно !</source>
        <translation>Қате !</translation>
    </message>
    <message>
        <source>выбран центральный максимум</source>
        <translation>орталық максимум таңдалды</translation>
    </message>
    <message>
        <source>выбран максимум %1-го порядка под осью</source>
        <translation>ось астындағы %1-ретті максимум таңдалды</translation>
    </message>
    <message>
        <source>выбран максимум %1-го порядка над осью</source>
        <translation>ось үстіндегі %1-ретті максимум таңдалды</translation>
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
        <translation>Толқын ұзындығы %1 нм, d = %2; %3, y = %4 см</translation>
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
        <translation>спектрдің күлгін шекарасы</translation>
    </message>
    <message>
        <source>красная граница спектра</source>
        <translation>спектрдің қызыл шекарасы</translation>
    </message>
    <message>
        <source>визир не на линии</source>
        <translation>визир сызықта емес</translation>
    </message>
    <message>
        <source>ошибка в вычислении</source>
        <translation>есептеуде қате бар</translation>
    </message>
    <message>
        <source>введите порядок k от 1 до 8</source>
        <translation>k ретін 1-ден 8-ге дейін енгізіңіз</translation>
    </message>
    <message>
        <source>Монохроматический</source>
        <translation>Монохроматты</translation>
    </message>
    <message>
        <source>Лампа: ртутная</source>
        <translation>Шам: сынапты</translation>
    </message>
    <message>
        <source>Лампа: натриевая</source>
        <translation>Шам: натрийлі</translation>
    </message>
    <message>
        <source>Лампа: водородная</source>
        <translation>Шам: сутекті</translation>
    </message>
    <message>
        <source>Лампа: гелиевая</source>
        <translation>Шам: гелийлі</translation>
    </message>
    <message>
        <source>Лампа: неоновая</source>
        <translation>Шам: неонды</translation>
    </message>
    <message>
        <source>Лампа: кадмиевая</source>
        <translation>Шам: кадмийлі</translation>
    </message>
    <message>
        <source>Белый свет</source>
        <translation>Ақ жарық</translation>
    </message>
    <message>
        <source>Ртутная лампа</source>
        <translation>Сынап шамы</translation>
    </message>
    <message>
        <source>Натриевая лампа</source>
        <translation>Натрий шамы</translation>
    </message>
    <message>
        <source>Водородная лампа</source>
        <translation>Сутек шамы</translation>
    </message>
    <message>
        <source>Гелиевая лампа</source>
        <translation>Гелий шамы</translation>
    </message>
    <message>
        <source>Неоновая лампа</source>
        <translation>Неон шамы</translation>
    </message>
    <message>
        <source>Кадмиевая лампа</source>
        <translation>Кадмий шамы</translation>
    </message>
    <message>
        <source>Визир</source>
        <translation>Визир</translation>
    </message>
    <message>
        <source>визир y = %1 см</source>
        <translation>визир y = %1 см</translation>
    </message>
    <message>
        <source>Источник света</source>
        <translation>Жарық көзі</translation>
    </message>
    <message>
        <source>ртуть</source>
        <translation>сынап</translation>
    </message>
    <message>
        <source>натрий</source>
        <translation>натрий</translation>
    </message>
    <message>
        <source>водород</source>
        <translation>сутек</translation>
    </message>
    <message>
        <source>гелий</source>
        <translation>гелий</translation>
    </message>
    <message>
        <source>неон</source>
        <translation>неон</translation>
    </message>
    <message>
        <source>кадмий</source>
        <translation>кадмий</translation>
    </message>
    <message>
        <source>литий</source>
        <translation>литий</translation>
    </message>
    <message>
        <source>таллий</source>
        <translation>таллий</translation>
    </message>
    <message>
        <source>%1, %2 нм</source>
        <translation>%1, %2 нм</translation>
    </message>
    <message>
        <source>проверьте k</source>
        <translation>k мәнін тексеріңіз</translation>
    </message>
    <message>
        <source>Почти: проверьте округление.</source>
        <translation>Сәл қалды: дөңгелектеуді тексеріңіз.</translation>
    </message>
    <message>
        <source>Введите код задания, который дал учитель.</source>
        <translation>Мұғалім берген тапсырма кодын енгізіңіз.</translation>
    </message>
    <message>
        <source>Код задания слишком длинный: не больше %1 знаков.</source>
        <translation>Тапсырма коды тым ұзын: %1 таңбадан аспауы керек.</translation>
    </message>
    <message>
        <source>В коде задания есть недопустимые служебные символы.</source>
        <translation>Тапсырма кодында рұқсат етілмеген қызметтік таңбалар бар.</translation>
    </message>
    <message>
        <source>Вариант — целое число от 1 до %1.</source>
        <translation>Нұсқа — 1-ден %1-ге дейінгі бүтін сан.</translation>
    </message>
    <message>
        <source>Фамилия и имя слишком длинные: не больше %1 знаков.</source>
        <translation>Тегі мен аты тым ұзын: %1 таңбадан аспауы керек.</translation>
    </message>
    <message>
        <source>В фамилии и имени есть недопустимые служебные символы.</source>
        <translation>Тегі мен атында рұқсат етілмеген қызметтік таңбалар бар.</translation>
    </message>
    <message>
        <source> — контрольное задание, вариант %1</source>
        <translation> — бақылау тапсырмасы, %1-нұсқа</translation>
    </message>
    <message>
        <source>Свет от лампы с неизвестной длиной волны</source>
        <translation>Толқын ұзындығы белгісіз шамның жарығы</translation>
    </message>
</context>
<context>
    <name>ClassResultsPanel</name>
    <message>
        <source>Указать папку класса…</source>
        <translation>Сынып папкасын көрсету…</translation>
    </message>
    <message>
        <source>Где теперь папка класса этого задания; записывается в файл учителя</source>
        <translation>Осы тапсырманың сынып папкасы қазір қайда; мұғалім файлына жазылады</translation>
    </message>
    <message>
        <source>Добавить папку…</source>
        <translation>Папка қосу…</translation>
    </message>
    <message>
        <source>Читать результаты из папки класса и её подпапки «Результаты», с флешки или из загрузок</source>
        <translation>Нәтижелерді сынып папкасынан және оның «Результаты» ішкі папкасынан, флешкадан немесе жүктеулерден оқу</translation>
    </message>
    <message>
        <source>Добавить файлы…</source>
        <translation>Файлдар қосу…</translation>
    </message>
    <message>
        <source>Читать отдельные файлы результатов учеников</source>
        <translation>Оқушылардың жеке нәтиже файлдарын оқу</translation>
    </message>
    <message>
        <source>Результаты класса</source>
        <translation>Сынып нәтижелері</translation>
    </message>
    <message>
        <source>Показывать оценки</source>
        <translation>Бағаларды көрсету</translation>
    </message>
    <message>
        <source>Файлы, которые не учтены</source>
        <translation>Есепке алынбаған файлдар</translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation>Хабарлама</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>CSV сақтау…</translation>
    </message>
    <message>
        <source>Таблица для Excel или LibreOffice Calc</source>
        <translation>Excel немесе LibreOffice Calc үшін кесте</translation>
    </message>
    <message>
        <source>Экспорт оценок в Moodle…</source>
        <translation>Бағаларды Moodle-ге экспорттау…</translation>
    </message>
    <message>
        <source>CSV-файл для импорта оценок в Moodle</source>
        <translation>Бағаларды Moodle-ге импорттауға арналған CSV файл</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation>PDF сақтау…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Баспаға…</translation>
    </message>
</context>
<context>
    <name>ClassroomTexts</name>
    <message>
        <source>%1 (код %2)</source>
        <translation>%1 (коды %2)</translation>
    </message>
    <message>
        <source>вариант %1</source>
        <translation>%1-нұсқа</translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation>Нұсқа</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Оқушы</translation>
    </message>
    <message>
        <source>Адрес или номер</source>
        <translation>Мекенжай не нөмір</translation>
    </message>
    <message>
        <source>λ, нм</source>
        <translation>λ, нм</translation>
    </message>
    <message>
        <source>Проверок</source>
        <translation>Тексерулер</translation>
    </message>
    <message>
        <source>Решено</source>
        <translation>Шешілді</translation>
    </message>
    <message>
        <source>Проверок до верного ответа</source>
        <translation>Дұрыс жауапқа дейінгі тексерулер</translation>
    </message>
    <message>
        <source>Первый верный ответ</source>
        <translation>Алғашқы дұрыс жауап</translation>
    </message>
    <message>
        <source>Подсказок</source>
        <translation>Кеңестер</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Баға</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Ескертпе</translation>
    </message>
    <message>
        <source>Запусков</source>
        <translation>Іске қосулар</translation>
    </message>
    <message>
        <source>да</source>
        <translation>иә</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>жоқ</translation>
    </message>
    <message>
        <source>файлы расходятся</source>
        <translation>файлдар сәйкес емес</translation>
    </message>
    <message>
        <source>%1; файлы расходятся</source>
        <translation>%1; файлдар сәйкес емес</translation>
    </message>
    <message>
        <source>нет результата</source>
        <translation>нәтиже жоқ</translation>
    </message>
    <message>
        <source>файл изменён</source>
        <translation>файл өзгертілген</translation>
    </message>
    <message>
        <source>другое задание (код %1)</source>
        <translation>басқа тапсырма (коды %1)</translation>
    </message>
    <message>
        <source>вариант %1, а в задании варианты 1–%2</source>
        <translation>%1-нұсқа, ал тапсырмада 1–%2 нұсқалар бар</translation>
    </message>
    <message>
        <source>ученика «%1» нет в списке класса</source>
        <translation>«%1» оқушысы сынып тізімінде жоқ</translation>
    </message>
    <message>
        <source>в файле нет имени ученика, а вариант %1 в списке — «%2»</source>
        <translation>файлда оқушының аты жоқ, ал тізімде %1-нұсқа — «%2»</translation>
    </message>
    <message>
        <source>вариант %1 не совпадает со списком: у «%2» вариант %3</source>
        <translation>%1-нұсқа тізіммен сәйкес емес: «%2» оқушысының нұсқасы — %3</translation>
    </message>
    <message>
        <source>файл изменён: записанный результат проверки не совпадает с повторной проверкой</source>
        <translation>файл өзгертілген: жазылған тексеру нәтижесі қайта тексерумен сәйкес емес</translation>
    </message>
    <message>
        <source>файл изменён: контрольная сумма не сходится</source>
        <translation>файл өзгертілген: бақылау сомасы сәйкес емес</translation>
    </message>
    <message>
        <source>повтор: для этого ученика учтён файл «%1»</source>
        <translation>қайталау: бұл оқушы үшін «%1» файлы есепке алынған</translation>
    </message>
    <message>
        <source>файлы расходятся: в учтённом файле «%1» другие проверки</source>
        <translation>файлдар сәйкес емес: есепке алынған «%1» файлында басқа тексерулер бар</translation>
    </message>
    <message>
        <source>не читается: %1</source>
        <translation>оқылмайды: %1</translation>
    </message>
    <message>
        <source>слишком большой для файла результатов</source>
        <translation>нәтиже файлы үшін тым үлкен</translation>
    </message>
    <message>
        <source>файл повреждён</source>
        <translation>файл бүлінген</translation>
    </message>
    <message>
        <source>файл повреждён: неверное поле «%1»</source>
        <translation>файл бүлінген: «%1» өрісі қате</translation>
    </message>
    <message>
        <source>записан более новой версией gratinglab; обновите программу</source>
        <translation>gratinglab-тың жаңарақ нұсқасымен жазылған; бағдарламаны жаңартыңыз</translation>
    </message>
    <message>
        <source>не файл результатов gratinglab</source>
        <translation>gratinglab нәтиже файлы емес</translation>
    </message>
    <message>
        <source>нет такой папки или файла</source>
        <translation>мұндай папка не файл жоқ</translation>
    </message>
    <message>
        <source>папка не читается: нет доступа или сервер не отвечает</source>
        <translation>папка оқылмайды: рұқсат жоқ немесе сервер жауап бермейді</translation>
    </message>
    <message>
        <source>ссылка, а не файл: не читается</source>
        <translation>файл емес, сілтеме: оқылмайды</translation>
    </message>
    <message>
        <source>не обычный файл: не читается</source>
        <translation>кәдімгі файл емес: оқылмайды</translation>
    </message>
    <message>
        <source>не файл результатов (.gratinglab-result)</source>
        <translation>нәтиже файлы емес (.gratinglab-result)</translation>
    </message>
    <message>
        <source>больше %1 файлов результатов: остальные не прочитаны</source>
        <translation>нәтиже файлдары %1-ден көп: қалғандары оқылмады</translation>
    </message>
    <message>
        <source>файл учителя не называет папку класса (он записан без файла задания): укажите папку или файлы результатов параметром --results</source>
        <translation>мұғалім файлында сынып папкасы көрсетілмеген (ол тапсырма файлынсыз жазылған): папканы не нәтиже файлдарын --results параметрімен көрсетіңіз</translation>
    </message>
    <message>
        <source>Измерение длины световой волны</source>
        <translation>Жарық толқынының ұзындығын өлшеу</translation>
    </message>
    <message>
        <source>Список учеников пуст: вставьте по одному ученику в строке или укажите число вариантов.</source>
        <translation>Оқушылар тізімі бос: әр жолға бір оқушыдан қойыңыз немесе нұсқалар санын көрсетіңіз.</translation>
    </message>
    <message>
        <source>Строка %1: пустая строка. Каждая строка — вариант; удалите пустые строки.</source>
        <translation>%1-жол: бос жол. Әр жол — бір нұсқа; бос жолдарды өшіріңіз.</translation>
    </message>
    <message>
        <source>Строка %1: нет фамилии и имени перед табуляцией или «;».</source>
        <translation>%1-жол: табуляция немесе «;» алдында тегі мен аты жоқ.</translation>
    </message>
    <message>
        <source>Строка %1: больше двух столбцов; нужны только фамилия с именем и адрес или номер.</source>
        <translation>%1-жол: екі бағаннан көп; тек тегі мен аты және мекенжай не нөмір керек.</translation>
    </message>
    <message>
        <source>Строка %1: в списке больше %2 учеников.</source>
        <translation>%1-жол: тізімде %2 оқушыдан көп.</translation>
    </message>
    <message>
        <source>Строка %1: этот ученик уже есть в строке %2. Допишите к одинаковым именам что-нибудь отличающее.</source>
        <translation>%1-жол: бұл оқушы %2-жолда бар. Бірдей аттарға ажырататын бірдеңе қосып жазыңыз.</translation>
    </message>
    <message>
        <source>Строка %1: фамилия и имя длиннее 60 знаков.</source>
        <translation>%1-жол: тегі мен аты 60 таңбадан ұзын.</translation>
    </message>
    <message>
        <source>Строка %1: в фамилии и имени есть недопустимые служебные символы.</source>
        <translation>%1-жол: тегі мен атында рұқсат етілмеген қызметтік таңбалар бар.</translation>
    </message>
    <message>
        <source>Строка %1: адрес или номер ученика длиннее %2 знаков.</source>
        <translation>%1-жол: оқушының мекенжайы не нөмірі %2 таңбадан ұзын.</translation>
    </message>
    <message>
        <source>Строка %1: в адресе или номере ученика есть недопустимые служебные символы.</source>
        <translation>%1-жол: оқушының мекенжайында не нөмірінде рұқсат етілмеген қызметтік таңбалар бар.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл «%1»: %2.</source>
        <translation>«%1» файлын оқу мүмкін болмады: %2.</translation>
    </message>
    <message>
        <source>Файл «%1» слишком большой: это не файл учителя gratinglab.</source>
        <translation>«%1» файлы тым үлкен: бұл gratinglab мұғалім файлы емес.</translation>
    </message>
    <message>
        <source>Файл «%1» слишком большой: это не файл задания gratinglab.</source>
        <translation>«%1» файлы тым үлкен: бұл gratinglab тапсырма файлы емес.</translation>
    </message>
    <message>
        <source>Файл учителя «%1» повреждён: линии ключа в нём не те, что даёт код задания. Ключ по такому файлу не выдаётся.</source>
        <translation>«%1» мұғалім файлы бүлінген: ондағы кілт сызықтары тапсырма коды беретін сызықтар емес. Мұндай файл бойынша кілт берілмейді.</translation>
    </message>
    <message>
        <source>Файл учителя «%1» повреждён и не читается.</source>
        <translation>«%1» мұғалім файлы бүлінген және оқылмайды.</translation>
    </message>
    <message>
        <source>Файл задания «%1» повреждён и не читается.</source>
        <translation>«%1» тапсырма файлы бүлінген және оқылмайды.</translation>
    </message>
    <message>
        <source>Файл учителя «%1» повреждён: неверное поле «%2».</source>
        <translation>«%1» мұғалім файлы бүлінген: «%2» өрісі қате.</translation>
    </message>
    <message>
        <source>Файл задания «%1» повреждён: неверное поле «%2».</source>
        <translation>«%1» тапсырма файлы бүлінген: «%2» өрісі қате.</translation>
    </message>
    <message>
        <source>Файл учителя «%1» записан более новой версией gratinglab; обновите программу.</source>
        <translation>«%1» мұғалім файлы gratinglab-тың жаңарақ нұсқасымен жазылған; бағдарламаны жаңартыңыз.</translation>
    </message>
    <message>
        <source>Файл задания «%1» записан более новой версией gratinglab; обновите программу.</source>
        <translation>«%1» тапсырма файлы gratinglab-тың жаңарақ нұсқасымен жазылған; бағдарламаны жаңартыңыз.</translation>
    </message>
    <message>
        <source>Файл «%1» — не файл учителя gratinglab.</source>
        <translation>«%1» файлы — gratinglab мұғалім файлы емес.</translation>
    </message>
    <message>
        <source>Файл «%1» — не файл задания gratinglab.</source>
        <translation>«%1» файлы — gratinglab тапсырма файлы емес.</translation>
    </message>
    <message>
        <source>«%1» — файл учителя с ключом ответов, а не файл задания для учеников.</source>
        <translation>«%1» — оқушыларға арналған тапсырма файлы емес, жауап кілті бар мұғалім файлы.</translation>
    </message>
    <message>
        <source>«%1» — файл задания для учеников; ключ ответов есть только в файле учителя (.gratinglab-teacher).</source>
        <translation>«%1» — оқушыларға арналған тапсырма файлы; жауап кілті тек мұғалім файлында (.gratinglab-teacher) болады.</translation>
    </message>
    <message>
        <source>В «%1» нет линий ключа (поля «lines»): так выглядит файл задания, исправленный под файл учителя, или файл учителя из прежней версии gratinglab. Ключ выдаётся только по файлу учителя с линиями; создайте задание заново.</source>
        <translation>«%1» файлында кілт сызықтары жоқ («lines» өрісі): мұғалім файлына түзетілген тапсырма файлы немесе gratinglab-тың бұрынғы нұсқасының мұғалім файлы осылай көрінеді. Кілт тек сызықтары бар мұғалім файлы бойынша беріледі; тапсырманы қайта жасаңыз.</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2.</source>
        <translation>«%1» файлын жазу мүмкін болмады: %2.</translation>
    </message>
    <message>
        <source>%1, код %2</source>
        <translation>%1, коды %2</translation>
    </message>
    <message>
        <source>%1, %2, код %3</source>
        <translation>%1, %2, коды %3</translation>
    </message>
    <message>
        <source>Вариант %1</source>
        <translation>%1-нұсқа</translation>
    </message>
    <message>
        <source>Вариант %1 — %2</source>
        <translation>%1-нұсқа — %2</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1. Откройте в программе gratinglab контрольное задание с кодом &lt;b&gt;%2&lt;/b&gt;, вариант &lt;b&gt;%3&lt;/b&gt;. Измерьте длину волны света лампы и введите ответ в нанометрах (нм) — только число.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1. gratinglab бағдарламасында коды &lt;b&gt;%2&lt;/b&gt;, нұсқасы &lt;b&gt;%3&lt;/b&gt; бақылау тапсырмасын ашыңыз. Шам жарығының толқын ұзындығын өлшеп, жауапты нанометрмен (нм) енгізіңіз — тек санды.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>такого файла нет</source>
        <translation>мұндай файл жоқ</translation>
    </message>
    <message>
        <source>это папка</source>
        <translation>бұл папка</translation>
    </message>
    <message>
        <source>нет прав на чтение</source>
        <translation>оқуға рұқсат жоқ</translation>
    </message>
    <message>
        <source>в папке «%1» нет свободного имени для копии</source>
        <translation>«%1» папкасында көшірмеге бос атау жоқ</translation>
    </message>
    <message>
        <source>файл «%1» не читается</source>
        <translation>«%1» файлы оқылмайды</translation>
    </message>
    <message>
        <source>папку «%1» нельзя создать или она не отвечает</source>
        <translation>«%1» папкасын жасау мүмкін емес немесе ол жауап бермейді</translation>
    </message>
    <message>
        <source>Оценка: 5 — верный ответ с первой проверки, 4 — верный ответ не позже третьей проверки, 3 — верный ответ позже, 2 — верного ответа нет.</source>
        <translation>Баға: 5 — бірінші тексеруде дұрыс жауап, 4 — үшінші тексеруден кешікпей дұрыс жауап, 3 — дұрыс жауап кейінірек, 2 — дұрыс жауап жоқ.</translation>
    </message>
    <message>
        <source>Название — одна строка от 1 до %1 знаков.</source>
        <translation>Атауы — 1-ден %1 таңбаға дейінгі бір жол.</translation>
    </message>
    <message>
        <source>Класс — одна строка не длиннее %1 знаков.</source>
        <translation>Сынып — %1 таңбадан аспайтын бір жол.</translation>
    </message>
    <message>
        <source>Число вариантов — от 1 до %1.</source>
        <translation>Нұсқалар саны — 1-ден %1-ге дейін.</translation>
    </message>
    <message>
        <source>папку «%1» нельзя создать</source>
        <translation>«%1» папкасын жасау мүмкін емес</translation>
    </message>
    <message>
        <source>Выберите свою фамилию и имя из списка класса.</source>
        <translation>Сынып тізімінен тегіңіз бен атыңызды таңдаңыз.</translation>
    </message>
    <message>
        <source>«%1» нет в списке класса этого задания.</source>
        <translation>«%1» осы тапсырманың сынып тізімінде жоқ.</translation>
    </message>
    <message>
        <source>Вариант — целое число от 1 до %1.</source>
        <translation>Нұсқа — 1-ден %1-ге дейінгі бүтін сан.</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>бұл кәдімгі файл емес</translation>
    </message>
    <message>
        <source>папки «%1» нет</source>
        <translation>«%1» папкасы жоқ</translation>
    </message>
    <message>
        <source>нет места на диске</source>
        <translation>дискіде орын жоқ</translation>
    </message>
    <message>
        <source>папка только для чтения</source>
        <translation>папка тек оқуға арналған</translation>
    </message>
    <message>
        <source>нет права записи</source>
        <translation>жазуға рұқсат жоқ</translation>
    </message>
    <message>
        <source>сервер не отвечает</source>
        <translation>сервер жауап бермейді</translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation>файлды басқа бағдарлама ұстап тұр</translation>
    </message>
    <message>
        <source>папки больше нет</source>
        <translation>папка енді жоқ</translation>
    </message>
    <message>
        <source>файл не удалось записать</source>
        <translation>файлды жазу мүмкін болмады</translation>
    </message>
    <message>
        <source>файл не удалось прочитать</source>
        <translation>файлды оқу мүмкін болмады</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>%1 Ключ ответов выдаётся только по файлу учителя (.gratinglab-teacher), который записывают окно учителя и --new-task.</source>
        <translation>%1 Жауап кілті тек мұғалім файлы (.gratinglab-teacher) бойынша беріледі, оны мұғалім терезесі және --new-task жазады.</translation>
    </message>
    <message>
        <source>параметру --results нужна папка или файл</source>
        <translation>--results параметріне папка немесе файл керек</translation>
    </message>
    <message>
        <source>в файл для Moodle не вошли (нет адреса или номера в файле учителя либо нет оценки): %1</source>
        <translation>Moodle файлына енбегендер (мұғалім файлында мекенжайы не нөмірі жоқ немесе бағасы жоқ): %1</translation>
    </message>
    <message>
        <source>КОД</source>
        <translation>КОД</translation>
    </message>
    <message>
        <source>открыть окно как контрольное задание: лампа с неизвестной
длиной волны по коду учителя (от 1 до 32 знаков); без КОДА
или без --variant их спрашивает окно «Контрольное задание»</source>
        <translation>терезені бақылау тапсырмасы ретінде ашу: мұғалім
кодымен толқын ұзындығы белгісіз шам (1-ден 32 таңбаға
дейін); КОД немесе --variant берілмесе, оларды
«Бақылау тапсырмасы» терезесі сұрайды</translation>
    </message>
    <message>
        <source>вариант ученика, от 1 до 99</source>
        <translation>оқушы нұсқасы, 1-ден 99-ға дейін</translation>
    </message>
    <message>
        <source>ИМЯ</source>
        <translation>АТЫ</translation>
    </message>
    <message>
        <source>имя ученика, до 60 знаков (необязательно); с файлом
задания, где есть список класса, — имя из этого списка</source>
        <translation>оқушының аты, 60 таңбаға дейін (міндетті емес); сынып
тізімі бар тапсырма файлымен — сол тізімдегі аты</translation>
    </message>
    <message>
        <source>ФАЙЛ.png</source>
        <translation>ФАЙЛ.png</translation>
    </message>
    <message>
        <source>записать картину стенда 945 × 445 в PNG, не открывая окна</source>
        <translation>терезені ашпай, 945 × 445 қондырғы суретін PNG-ге жазу</translation>
    </message>
    <message>
        <source>НМ</source>
        <translation>НМ</translation>
    </message>
    <message>
        <source>длина волны на шкале, от 380 до 760 нм</source>
        <translation>шкаладағы толқын ұзындығы, 380-ден 760 нм-ге дейін</translation>
    </message>
    <message>
        <source>ТЕКСТ</source>
        <translation>МӘТІН</translation>
    </message>
    <message>
        <source>текст, набранный в поле длины волны (рисуется,
когда выбран порядок)</source>
        <translation>толқын ұзындығы өрісіне терілген мәтін (рет
таңдалғанда салынады)</translation>
    </message>
    <message>
        <source>постоянная решетки от 1,0 до 3,0 с шагом 0,1
(десятичный знак «,» или «.»)</source>
        <translation>тор тұрақтысы 1,0-ден 3,0-ге дейін, қадамы 0,1
(ондық белгі «,» немесе «.»)</translation>
    </message>
    <message>
        <source>выбранный порядок, от -8 до 8 (по умолчанию 1); с лампой
или белым светом — порядок, набранный в поле k</source>
        <translation>таңдалған рет, -8-ден 8-ге дейін (әдепкісі 1); шаммен
немесе ақ жарықпен — k өрісіне терілген рет</translation>
    </message>
    <message>
        <source>ИСТОЧНИК</source>
        <translation>КӨЗ</translation>
    </message>
    <message>
        <source>источник света: mono — одна длина волны (по умолчанию),
white — белый свет, или лампа: hg — ртутная,
na — натриевая, h — водородная, he — гелиевая,
ne — неоновая, cd — кадмиевая</source>
        <translation>жарық көзі: mono — бір толқын ұзындығы (әдепкі),
white — ақ жарық, немесе шам: hg — сынап,
na — натрий, h — сутек, he — гелий,
ne — неон, cd — кадмий</translation>
    </message>
    <message>
        <source>визир на Y см от оси (от -5 до 5, «,» или «.»),
на ближайшей строке пикселей; с mono он иначе скрыт</source>
        <translation>визир осьтен Y см қашықтықта (-5-тен 5-ке дейін, «,»
не «.»), ең жақын пиксель жолында; mono кезінде
әйтпесе жасырын</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>записать и показания в JSON («-» — стандартный вывод)</source>
        <translation>көрсеткіштерді де JSON-ға жазу («-» — стандартты
шығыс)</translation>
    </message>
    <message>
        <source>записать всё окно %1 с открытым экраном,
нарисованное вне экрана</source>
        <translation>ашық экранымен бүкіл %1 терезесін экраннан тыс
салып, жазу</translation>
    </message>
    <message>
        <source>ЭКРАН</source>
        <translation>ЭКРАН</translation>
    </message>
    <message>
        <source>title, procedure, experiment, journal или teacher — окно
учителя с заданием из ФАЙЛА учителя (по умолчанию title)</source>
        <translation>title, procedure, experiment, journal немесе teacher —
мұғалімнің ФАЙЛЫНДАҒЫ тапсырмасы бар мұғалім терезесі
(әдепкісі title)</translation>
    </message>
    <message>
        <source>открыть окно учителя: новое задание, ключ ответов, печать,
PDF и экспорт в Moodle; с ФАЙЛОМ учителя — это задание</source>
        <translation>мұғалім терезесін ашу: жаңа тапсырма, жауап кілті,
басып шығару, PDF және Moodle-ге экспорт; мұғалім
ФАЙЛЫМЕН — сол тапсырма</translation>
    </message>
    <message>
        <source>без окна записать новое задание: ФАЙЛ учителя
(.gratinglab-teacher) и файл задания для учеников в папке
класса; случайный код для доски — на стандартный вывод</source>
        <translation>терезесіз жаңа тапсырма жазу: мұғалім ФАЙЛЫ
(.gratinglab-teacher) және сынып папкасында оқушыларға
арналған тапсырма файлы; тақтаға кездейсоқ код —
стандартты шығысқа</translation>
    </message>
    <message>
        <source>ПАПКА</source>
        <translation>ПАПКА</translation>
    </message>
    <message>
        <source>папка класса для файла задания (.gratinglab-task)</source>
        <translation>тапсырма файлына (.gratinglab-task) арналған сынып
папкасы</translation>
    </message>
    <message>
        <source>СПИСОК</source>
        <translation>ТІЗІМ</translation>
    </message>
    <message>
        <source>список учеников, UTF-8: по одному в строке, после табуляции
или «;» можно адрес или номер; не больше 99</source>
        <translation>оқушылар тізімі, UTF-8: әр жолда біреуден,
табуляциядан немесе «;» белгісінен кейін мекенжай не
нөмір болуы мүмкін; 99-дан аспайды</translation>
    </message>
    <message>
        <source>вместо списка: число вариантов, от 1 до 99</source>
        <translation>тізімнің орнына: нұсқалар саны, 1-ден 99-ға дейін</translation>
    </message>
    <message>
        <source>название (по умолчанию «Измерение длины световой волны»)</source>
        <translation>атауы (әдепкісі «Жарық толқынының ұзындығын өлшеу»)</translation>
    </message>
    <message>
        <source>КЛАСС</source>
        <translation>СЫНЫП</translation>
    </message>
    <message>
        <source>класс, например 9Б</source>
        <translation>сынып, мысалы 9Б</translation>
    </message>
    <message>
        <source>напечатать ключ ответов по ФАЙЛУ учителя: по строке на
вариант (вариант, ученик, длина волны в нм, элемент, символ
через табуляцию)</source>
        <translation>мұғалім ФАЙЛЫ бойынша жауап кілтін басып шығару: әр
нұсқаға бір жол (нұсқа, оқушы, толқын ұзындығы нм,
элемент, таңба табуляция арқылы)</translation>
    </message>
    <message>
        <source>записать ключ или отчёт о классе и в PDF (A4)</source>
        <translation>кілтті немесе сынып туралы есепті PDF-ке (A4) де жазу</translation>
    </message>
    <message>
        <source>записать ключ как тест для Moodle (Moodle XML)</source>
        <translation>кілтті Moodle тесті ретінде жазу (Moodle XML)</translation>
    </message>
    <message>
        <source>результаты класса по ФАЙЛУ учителя: по строке на ученика
(ученик, вариант, длина волны в нм, проверок, решено 1/0,
проверок до верного ответа, оценка через табуляцию); файлы,
которые не учтены, — в поток ошибок с причиной</source>
        <translation>мұғалім ФАЙЛЫ бойынша сынып нәтижелері: әр оқушыға бір
жол (оқушы, нұсқа, толқын ұзындығы нм, тексерулер,
шешілді 1/0, дұрыс жауапқа дейінгі тексерулер, баға
табуляция арқылы); есепке алынбаған файлдар —
себебімен қате ағынына</translation>
    </message>
    <message>
        <source>ПАПКА|ФАЙЛ</source>
        <translation>ПАПКА|ФАЙЛ</translation>
    </message>
    <message>
        <source>папка класса (с её подпапкой «Результаты») или файл
результата ученика; можно повторять</source>
        <translation>сынып папкасы («Результаты» ішкі папкасымен) немесе
оқушының нәтиже файлы; қайталауға болады</translation>
    </message>
    <message>
        <source>записать таблицу и в CSV для Excel или LibreOffice</source>
        <translation>кестені Excel немесе LibreOffice үшін CSV-ге де жазу</translation>
    </message>
    <message>
        <source>записать оценки в CSV для импорта оценок в Moodle</source>
        <translation>бағаларды Moodle-ге импорттауға арналған CSV-ге жазу</translation>
    </message>
    <message>
        <source>ЯЗЫК</source>
        <translation>ТІЛ</translation>
    </message>
    <message>
        <source>язык программы на этот запуск: ru, en, uk или kk
(без него — по LANGUAGE, LC_ALL, LC_MESSAGES, LANG;
иначе русский)</source>
        <translation>осы іске қосуға бағдарлама тілі: ru, en, uk немесе kk
(онсыз — LANGUAGE, LC_ALL, LC_MESSAGES, LANG бойынша;
әйтпесе орыс тілі)</translation>
    </message>
    <message>
        <source>показать эту справку</source>
        <translation>осы анықтаманы көрсету</translation>
    </message>
    <message>
        <source>показать версию программы</source>
        <translation>бағдарлама нұсқасын көрсету</translation>
    </message>
    <message>
        <source>параметр %1 не принимает значения</source>
        <translation>%1 параметрі мән қабылдамайды</translation>
    </message>
    <message>
        <source>параметру %1 нужно значение (см. --help)</source>
        <translation>%1 параметріне мән керек (--help қараңыз)</translation>
    </message>
    <message>
        <source> или </source>
        <translation> немесе </translation>
    </message>
    <message>
        <source>неизвестный параметр %1%2 (см. --help)</source>
        <translation>белгісіз параметр %1%2 (--help қараңыз)</translation>
    </message>
    <message>
        <source>параметр %1 задан дважды</source>
        <translation>%1 параметрі екі рет берілген</translation>
    </message>
    <message>
        <source>%1 и %2 нельзя задать вместе</source>
        <translation>%1 және %2 параметрлерін бірге беруге болмайды</translation>
    </message>
    <message>
        <source>лишний аргумент «%1» (см. --help)</source>
        <translation>артық аргумент «%1» (--help қараңыз)</translation>
    </message>
    <message>
        <source>неизвестный язык «%1»: --language принимает ru, en, uk или kk</source>
        <translation>белгісіз тіл «%1»: --language тек ru, en, uk немесе kk қабылдайды</translation>
    </message>
    <message>
        <source>параметр %1 нельзя задать с %2</source>
        <translation>%1 параметрін %2 параметрімен бірге беруге болмайды</translation>
    </message>
    <message>
        <source>параметр %1 задаётся только с %2 (см. --help)</source>
        <translation>%1 параметрі тек %2 параметрімен бірге беріледі (--help қараңыз)</translation>
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
        <translation>Қолданылуы:
  gratinglab [--task [КОД] [--variant N] [--pupil АТЫ]]
  gratinglab ФАЙЛ.gratinglab-task [--pupil АТЫ | --variant N]
  gratinglab --render ФАЙЛ.png [--wavelength НМ] [--wavelength-text МӘТІН]
             [--grating D] [--order K] [--state ФАЙЛ]
  gratinglab --render ФАЙЛ.png --task КОД --variant N [--grating D]
             [--order K] [--state ФАЙЛ]
  gratinglab --render ФАЙЛ.png --source white|hg|na|h|he|ne|cd [--grating D]
             [--cursor Y] [--order K] [--state ФАЙЛ]
  gratinglab --screenshot ФАЙЛ.png [--screen title|procedure|experiment|journal]
             [--task КОД --variant N [--pupil АТЫ]] [--source КӨЗ] [--cursor Y]
  gratinglab --screenshot ФАЙЛ.png --screen teacher ФАЙЛ.gratinglab-teacher
  gratinglab --teacher [ФАЙЛ.gratinglab-teacher]
  gratinglab --new-task ФАЙЛ.gratinglab-teacher --class-folder ПАПКА
             (--pupils ТІЗІМ | --variants N) [--title МӘТІН] [--class СЫНЫП]
  gratinglab --answer-key ФАЙЛ.gratinglab-teacher [--pdf ФАЙЛ] [--moodle-xml ФАЙЛ]
  gratinglab --class-report ФАЙЛ.gratinglab-teacher [--results ПАПКА|ФАЙЛ]...
             [--csv ФАЙЛ] [--moodle-csv ФАЙЛ] [--pdf ФАЙЛ]
  gratinglab --help | --version

Параметрсіз бағдарлама өз терезесін ашады. Сынып папкасындағы тапсырма
файлымен (.gratinglab-task) терезе бірден бақылау тапсырмасын бастайды:
оқушы сынып тізімінен өзін таңдайды (тізім болмаса, нұсқаны енгізеді).

--render қондырғы суретін терезесіз салады, оны «Тәжірибе» экраны мына
қадамдардан кейін көрсетер еді: іске қосу; жүгірткі НМ-ге жылжытылды;
тор тұрақтысы 1,0-ден D-ге дейін арттырылды; толқын ұзындығы өрісіне
МӘТІН терілді; K-ретті максимум таңдалды. --task КОД --variant N берілсе,
жүгірткі осы нұсқа шамының сызығында тұрады, ал --wavelength және
--wavelength-text берілмейді. --source white немесе шам берілсе, қондырғыны
оның барлық сызықтары (немесе бүкіл спектр) жарықтандырады: толқын
ұзындығы берілмейді, максимумдар таңдалмайды, визир Y-те тұрады, ал K
k ретінің өрісіне терілген.

Параметрлер:
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
Мәні бар әр параметр --параметр=мән түрінде де жазылады.

Шығу коды: 0 — дайын; 1 — МӘТІН бүтін сан емес (сурет пен көрсеткіштер
бәрібір салынған шамасында жазылды); 2 — параметрлер қате, файлды оқу
немесе жазу мүмкін емес (онда ештеңе жазылмайды).
--class-report кезінде есепке алынбаған нәтиже файлдары шығу кодын
өзгертпейді.
</translation>
    </message>
    <message>
        <source>параметру --%1 нужно имя файла</source>
        <translation>--%1 параметріне файл аты керек</translation>
    </message>
    <message>
        <source>не удаётся записать «%1»: %2</source>
        <translation>«%1» жазу мүмкін емес: %2</translation>
    </message>
    <message>
        <source>--pupils «%1»: файл слишком большой для списка класса</source>
        <translation>--pupils «%1»: файл сынып тізімі үшін тым үлкен</translation>
    </message>
    <message>
        <source>--pupils: не удалось прочитать файл «%1»: %2</source>
        <translation>--pupils: «%1» файлын оқу мүмкін болмады: %2</translation>
    </message>
    <message>
        <source>--pupils «%1»: список должен быть в кодировке UTF-8</source>
        <translation>--pupils «%1»: тізім UTF-8 кодтауында болуы керек</translation>
    </message>
    <message>
        <source>параметру --new-task нужно имя файла учителя</source>
        <translation>--new-task параметріне мұғалім файлының аты керек</translation>
    </message>
    <message>
        <source>--new-task: нужна --class-folder ПАПКА — папка класса для файла задания</source>
        <translation>--new-task: --class-folder ПАПКА керек — тапсырма файлына арналған сынып папкасы</translation>
    </message>
    <message>
        <source>--class-folder: папки «%1» нет</source>
        <translation>--class-folder: «%1» папкасы жоқ</translation>
    </message>
    <message>
        <source>--new-task: нужен либо --pupils СПИСОК, либо --variants N</source>
        <translation>--new-task: не --pupils ТІЗІМ, не --variants N керек</translation>
    </message>
    <message>
        <source>--variants: нужно целое число от 1 до 99, а не «%1»</source>
        <translation>--variants: «%1» емес, 1-ден 99-ға дейінгі бүтін сан керек</translation>
    </message>
    <message>
        <source>папки «%1» нет</source>
        <translation>«%1» папкасы жоқ</translation>
    </message>
    <message>
        <source>файл «%1» уже есть; новое задание его не заменяет — выберите другое имя</source>
        <translation>«%1» файлы бар; жаңа тапсырма оны ауыстырмайды — басқа атау таңдаңыз</translation>
    </message>
    <message>
        <source>--render принимает --task КОД вместе с --variant N, без --pupil</source>
        <translation>--render --task КОД параметрін --variant N параметрімен бірге, --pupil параметрінсіз қабылдайды</translation>
    </message>
    <message>
        <source>параметру --render нужно имя файла</source>
        <translation>--render параметріне файл аты керек</translation>
    </message>
    <message>
        <source>параметру --state нужно имя файла</source>
        <translation>--state параметріне файл аты керек</translation>
    </message>
    <message>
        <source>--wavelength: нужно целое число от 380 до 760, а не «%1»</source>
        <translation>--wavelength: «%1» емес, 380-ден 760-қа дейінгі бүтін сан керек</translation>
    </message>
    <message>
        <source>--grating: нужно одно из 1,0; 1,1; … 3,0, а не «%1»</source>
        <translation>--grating: «%1» емес, 1,0; 1,1; … 3,0 мәндерінің бірі керек</translation>
    </message>
    <message>
        <source>--order: нужно целое число от -8 до 8, а не «%1»</source>
        <translation>--order: «%1» емес, -8-ден 8-ге дейінгі бүтін сан керек</translation>
    </message>
    <message>
        <source>--wavelength и --wavelength-text нельзя задать с --source %1: длины волн даёт источник</source>
        <translation>--wavelength және --wavelength-text параметрлерін --source %1 параметрімен бірге беруге болмайды: толқын ұзындықтарын көз береді</translation>
    </message>
    <message>
        <source>--source %1 нельзя задать с --task: в задании свет даёт лампа задания</source>
        <translation>--source %1 параметрін --task параметрімен бірге беруге болмайды: тапсырмада жарықты тапсырма шамы береді</translation>
    </message>
    <message>
        <source>--wavelength и --wavelength-text нельзя задать с --task: длину волны задаёт лампа</source>
        <translation>--wavelength және --wavelength-text параметрлерін --task параметрімен бірге беруге болмайды: толқын ұзындығын шам береді</translation>
    </message>
    <message>
        <source>--source: нужно одно из %1, а не «%2»</source>
        <translation>--source: «%2» емес, %1 мәндерінің бірі керек</translation>
    </message>
    <message>
        <source>--cursor: нужно расстояние от оси в см, от -5 до 5, а не «%1»</source>
        <translation>--cursor: «%1» емес, осьтен қашықтық см-мен, -5-тен 5-ке дейін керек</translation>
    </message>
    <message>
        <source>файл задания и --task нельзя задать вместе: код уже в файле</source>
        <translation>тапсырма файлы мен --task параметрін бірге беруге болмайды: код файлда бар</translation>
    </message>
    <message>
        <source>в этом задании вариант следует из списка класса: задайте --pupil ИМЯ, а не --variant</source>
        <translation>бұл тапсырмада нұсқа сынып тізімінен алынады: --variant емес, --pupil АТЫ беріңіз</translation>
    </message>
    <message>
        <source>--variant и --pupil задаются только вместе с --task КОД (см. --help)</source>
        <translation>--variant және --pupil тек --task КОД параметрімен бірге беріледі (--help қараңыз)</translation>
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
        <translation>Оптикалық қондырғы</translation>
    </message>
    <message>
        <source>Решетка, линза и экран с дифракционными максимумами</source>
        <translation>Дифракциялық максимумдары бар тор, линза және экран</translation>
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
        <translation>Орталық максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать центральный максимум</source>
        <translation>Орталық максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 1-го порядка над осью</source>
        <translation>Ось үстіндегі 1-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 1-го порядка над осью</source>
        <translation>Ось үстіндегі 1-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 2-го порядка над осью</source>
        <translation>Ось үстіндегі 2-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 2-го порядка над осью</source>
        <translation>Ось үстіндегі 2-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 3-го порядка над осью</source>
        <translation>Ось үстіндегі 3-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 3-го порядка над осью</source>
        <translation>Ось үстіндегі 3-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 4-го порядка над осью</source>
        <translation>Ось үстіндегі 4-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 4-го порядка над осью</source>
        <translation>Ось үстіндегі 4-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 5-го порядка над осью</source>
        <translation>Ось үстіндегі 5-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 5-го порядка над осью</source>
        <translation>Ось үстіндегі 5-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 6-го порядка над осью</source>
        <translation>Ось үстіндегі 6-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 6-го порядка над осью</source>
        <translation>Ось үстіндегі 6-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 7-го порядка над осью</source>
        <translation>Ось үстіндегі 7-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 7-го порядка над осью</source>
        <translation>Ось үстіндегі 7-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 8-го порядка над осью</source>
        <translation>Ось үстіндегі 8-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 8-го порядка над осью</source>
        <translation>Ось үстіндегі 8-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 1-го порядка под осью</source>
        <translation>Ось астындағы 1-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 1-го порядка под осью</source>
        <translation>Ось астындағы 1-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 2-го порядка под осью</source>
        <translation>Ось астындағы 2-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 2-го порядка под осью</source>
        <translation>Ось астындағы 2-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 3-го порядка под осью</source>
        <translation>Ось астындағы 3-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 3-го порядка под осью</source>
        <translation>Ось астындағы 3-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 4-го порядка под осью</source>
        <translation>Ось астындағы 4-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 4-го порядка под осью</source>
        <translation>Ось астындағы 4-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 5-го порядка под осью</source>
        <translation>Ось астындағы 5-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 5-го порядка под осью</source>
        <translation>Ось астындағы 5-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 6-го порядка под осью</source>
        <translation>Ось астындағы 6-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 6-го порядка под осью</source>
        <translation>Ось астындағы 6-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 7-го порядка под осью</source>
        <translation>Ось астындағы 7-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 7-го порядка под осью</source>
        <translation>Ось астындағы 7-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Максимум 8-го порядка под осью</source>
        <translation>Ось астындағы 8-ретті максимум</translation>
    </message>
    <message>
        <source>Щелкните, чтобы выбрать максимум 8-го порядка под осью</source>
        <translation>Ось астындағы 8-ретті максимумды таңдау үшін шертіңіз</translation>
    </message>
    <message>
        <source>Угол отклонения над осью</source>
        <translation>Ось үстіндегі ауытқу бұрышы</translation>
    </message>
    <message>
        <source>Дуга угла φ между осью и лучом к выбранному максимуму</source>
        <translation>Ось пен таңдалған максимумға баратын сәуле арасындағы φ бұрышының доғасы</translation>
    </message>
    <message>
        <source>pic_arc_up</source>
        <translation>pic_arc_up</translation>
    </message>
    <message>
        <source>Угол отклонения под осью</source>
        <translation>Ось астындағы ауытқу бұрышы</translation>
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
        <translation>Жарық көзі:</translation>
    </message>
    <message>
        <source>Источник света</source>
        <translation>Жарық көзі</translation>
    </message>
    <message>
        <source>Чем освещен стенд: одна длина волны, лампа или белый свет</source>
        <translation>Қондырғы немен жарықталған: бір толқын ұзындығы, шам немесе ақ жарық</translation>
    </message>
    <message>
        <source>Показание визира</source>
        <translation>Визир көрсеткіші</translation>
    </message>
    <message>
        <source>Визир</source>
        <translation>Визир</translation>
    </message>
    <message>
        <source>Спектральная полоса</source>
        <translation>Спектр жолағы</translation>
    </message>
    <message>
        <source>Цвета света от 380 до 760 нм</source>
        <translation>380-ден 760 нм-ге дейінгі жарық түстері</translation>
    </message>
    <message>
        <source>pic_spectrum</source>
        <translation>pic_spectrum</translation>
    </message>
    <message>
        <source>Ползунок длины волны</source>
        <translation>Толқын ұзындығының жүгірткісі</translation>
    </message>
    <message>
        <source>Перетащите вдоль спектральной полосы, чтобы выбрать длину волны</source>
        <translation>Толқын ұзындығын таңдау үшін спектр жолағы бойымен сүйреңіз</translation>
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
        <translation>Толқын ұзындығын азайту</translation>
    </message>
    <message>
        <source>Сдвинуть ползунок на 1 нм влево; удерживайте для повтора</source>
        <translation>Жүгірткіні 1 нм солға жылжыту; қайталау үшін басып тұрыңыз</translation>
    </message>
    <message>
        <source>Увеличить длину волны</source>
        <translation>Толқын ұзындығын арттыру</translation>
    </message>
    <message>
        <source>Сдвинуть ползунок на 1 нм вправо; удерживайте для повтора</source>
        <translation>Жүгірткіні 1 нм оңға жылжыту; қайталау үшін басып тұрыңыз</translation>
    </message>
    <message>
        <source>y =              cм      k =   </source>
        <translation>y =              cм      k =   </translation>
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
        <translation>Тексеру нәтижесі</translation>
    </message>
    <message>
        <source>Верно или неверно вычислена длина волны</source>
        <translation>Толқын ұзындығы дұрыс не қате есептелгені</translation>
    </message>
    <message>
        <source>Верно !</source>
        <translation>Дұрыс !</translation>
    </message>
    <message>
        <source>Постоянная решетки d</source>
        <translation>Тор тұрақтысы d</translation>
    </message>
    <message>
        <source>Постоянная дифракционной решетки в единицах 10^-5 м; меняется переключателем рядом</source>
        <translation>Дифракциялық тордың тұрақтысы 10^-5 м бірлігімен; жанындағы ауыстырғышпен өзгертіледі</translation>
    </message>
    <message>
        <source>1,0</source>
        <translation>1,0</translation>
    </message>
    <message>
        <source>Переключатель постоянной решетки</source>
        <translation>Тор тұрақтысының ауыстырғышы</translation>
    </message>
    <message>
        <source>Увеличить или уменьшить постоянную решетки на 0,1</source>
        <translation>Тор тұрақтысын 0,1-ге арттыру немесе азайту</translation>
    </message>
    <message>
        <source>Длина волны λ</source>
        <translation>Толқын ұзындығы λ</translation>
    </message>
    <message>
        <source>Длина волны света в нанометрах</source>
        <translation>Жарықтың толқын ұзындығы нанометрмен</translation>
    </message>
    <message>
        <source>380</source>
        <translation>380</translation>
    </message>
    <message>
        <source>Расстояние y</source>
        <translation>Қашықтық y</translation>
    </message>
    <message>
        <source>Расстояние выбранного максимума от центра экрана в сантиметрах</source>
        <translation>Таңдалған максимумның экран ортасынан қашықтығы сантиметрмен</translation>
    </message>
    <message>
        <source>Порядок максимума k</source>
        <translation>Максимум реті k</translation>
    </message>
    <message>
        <source>Порядок выбранного максимума</source>
        <translation>Таңдалған максимумның реті</translation>
    </message>
    <message>
        <source>Ответ</source>
        <translation>Жауап</translation>
    </message>
    <message>
        <source>Вычисленная длина волны в нанометрах, только цифры</source>
        <translation>Есептелген толқын ұзындығы нанометрмен, тек цифрлар</translation>
    </message>
    <message>
        <source>Проверить ответ</source>
        <translation>Жауапты тексеру</translation>
    </message>
    <message>
        <source>Проверить ответ или сбросить проверку</source>
        <translation>Жауапты тексеру немесе тексеруді тастау</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Тексеру</translation>
    </message>
    <message>
        <source>Лампа</source>
        <translation>Шам</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Кеңес</translation>
    </message>
    <message>
        <source>Подсказка после проверки ответа</source>
        <translation>Жауап тексерілгеннен кейінгі кеңес</translation>
    </message>
</context>
<context>
    <name>JournalScreen</name>
    <message>
        <source>Ученик:</source>
        <translation>Оқушы:</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Оқушы</translation>
    </message>
    <message>
        <source>Фамилия и имя ученика для отчёта</source>
        <translation>Есепке арналған оқушының тегі мен аты</translation>
    </message>
    <message>
        <source>Класс:</source>
        <translation>Сынып:</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Сынып</translation>
    </message>
    <message>
        <source>Класс ученика для отчёта</source>
        <translation>Есепке арналған оқушының сыныбы</translation>
    </message>
    <message>
        <source>Журнал измерений</source>
        <translation>Өлшеулер журналы</translation>
    </message>
    <message>
        <source>Каждая проверка ответа: время, установки стенда, вычисленная длина волны, ответ и результат</source>
        <translation>Жауаптың әр тексерілуі: уақыт, қондырғы күйі, есептелген толқын ұзындығы, жауап және нәтиже</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Тазалау</translation>
    </message>
    <message>
        <source>Удалить все записи журнала</source>
        <translation>Журналдың барлық жазбаларын өшіру</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Сақтау</translation>
    </message>
    <message>
        <source>Сохранить журнал в файл CSV или отчёт PDF (Ctrl+S)</source>
        <translation>Журналды CSV файлына немесе PDF есепке сақтау (Ctrl+S)</translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation>Сақтау…</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Баспаға</translation>
    </message>
    <message>
        <source>Напечатать отчёт (Ctrl+P)</source>
        <translation>Есепті басып шығару (Ctrl+P)</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Баспаға…</translation>
    </message>
    <message>
        <source>Заметка</source>
        <translation>Ескертпе</translation>
    </message>
</context>
<context>
    <name>JournalTexts</name>
    <message>
        <source>белый</source>
        <translation>ақ</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Уақыт</translation>
    </message>
    <message>
        <source>λ уст., нм</source>
        <translation>λ орн., нм</translation>
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
        <translation>d және y бойынша λ, нм</translation>
    </message>
    <message>
        <source>Ответ, нм</source>
        <translation>Жауап, нм</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Нәтиже</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Верно</source>
        <translation>Дұрыс</translation>
    </message>
    <message>
        <source>Неверно</source>
        <translation>Қате</translation>
    </message>
    <message>
        <source>поле «%1» повреждено</source>
        <translation>«%1» өрісі бүлінген</translation>
    </message>
    <message>
        <source>файл слишком большой</source>
        <translation>файл тым үлкен</translation>
    </message>
    <message>
        <source>файл повреждён</source>
        <translation>файл бүлінген</translation>
    </message>
    <message>
        <source>это не журнал gratinglab</source>
        <translation>бұл gratinglab журналы емес</translation>
    </message>
    <message>
        <source>журнал записан другой версией программы</source>
        <translation>журнал бағдарламаның басқа нұсқасымен жазылған</translation>
    </message>
    <message>
        <source>&lt;p&gt;Ученик: %1&lt;br&gt;Класс: %2&lt;br&gt;Дата: %3&lt;/p&gt;</source>
        <translation>&lt;p&gt;Оқушы: %1&lt;br&gt;Сынып: %2&lt;br&gt;Күні: %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Задание: код %1, вариант %2&lt;/p&gt;</source>
        <translation>&lt;p&gt;Тапсырма: коды %1, %2-нұсқа&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Отчёт о лабораторной работе «Измерение длины световой волны»</source>
        <translation>«Жарық толқынының ұзындығын өлшеу» зертханалық жұмысы туралы есеп</translation>
    </message>
    <message>
        <source>&lt;p&gt;Расчётная формула: λ = d·y/(k·F), где d — период решётки, y — расстояние от центра до максимума k-го порядка, F = 50 см — фокусное расстояние линзы.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Есептеу формуласы: λ = d·y/(k·F), мұндағы d — тордың периоды, y — центрден k-ретті максимумға дейінгі қашықтық, F = 50 см — линзаның фокус аралығы.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation>Өлшеулер</translation>
    </message>
    <message>
        <source>Итоги</source>
        <translation>Қорытынды</translation>
    </message>
    <message>
        <source>Стенд при последней проверке</source>
        <translation>Соңғы тексерудегі қондырғы</translation>
    </message>
    <message>
        <source>такой папки нет</source>
        <translation>мұндай папка жоқ</translation>
    </message>
    <message>
        <source>под этим именем уже есть папка</source>
        <translation>бұл атаумен папка бар</translation>
    </message>
    <message>
        <source>нет права записи</source>
        <translation>жазуға рұқсат жоқ</translation>
    </message>
    <message>
        <source>Не удалось сохранить журнал в файл «%1»: %2. Записи журнала сохранены в программе; выберите другое место.</source>
        <translation>Журналды «%1» файлына сақтау мүмкін болмады: %2. Журнал жазбалары бағдарламада сақталды; басқа орын таңдаңыз.</translation>
    </message>
    <message>
        <source>Файл результата бывает только у контрольного задания: сохраните журнал как отчёт PDF или таблицу CSV.</source>
        <translation>Нәтиже файлы тек бақылау тапсырмасында болады: журналды PDF есеп немесе CSV кесте ретінде сақтаңыз.</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th&gt;λ уст., нм&lt;/th&gt;&lt;th&gt;Проверок&lt;/th&gt;&lt;th&gt;Среднее %1, нм&lt;/th&gt;&lt;th&gt;s, нм&lt;/th&gt;&lt;th&gt;Среднее верных ответов %1&lt;sub&gt;отв&lt;/sub&gt;, нм&lt;/th&gt;&lt;th&gt;δ, %&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th&gt;λ орн., нм&lt;/th&gt;&lt;th&gt;Тексерулер&lt;/th&gt;&lt;th&gt;Орташа %1, нм&lt;/th&gt;&lt;th&gt;s, нм&lt;/th&gt;&lt;th&gt;Дұрыс жауаптардың орташасы %1&lt;sub&gt;жауап&lt;/sub&gt;, нм&lt;/th&gt;&lt;th&gt;δ, %&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;λ = d·y / (k·F), F = 50 см; &amp;nbsp; %1 = (λ&lt;sub&gt;1&lt;/sub&gt; + λ&lt;sub&gt;2&lt;/sub&gt; + … + λ&lt;sub&gt;n&lt;/sub&gt;) / n; &amp;nbsp; s = √( Σ (λ&lt;sub&gt;i&lt;/sub&gt; − %1)² / (n − 1) ); &amp;nbsp; δ = |%1&lt;sub&gt;отв&lt;/sub&gt; − λ&lt;sub&gt;уст&lt;/sub&gt;| / λ&lt;sub&gt;уст&lt;/sub&gt; · 100 %&lt;/p&gt;&lt;p&gt;%1 — среднее вычисленных длин волн, s — их выборочное стандартное отклонение (при n ≥ 2), %1&lt;sub&gt;отв&lt;/sub&gt; — среднее верных ответов, λ&lt;sub&gt;уст&lt;/sub&gt; — установленная длина волны.&lt;/p&gt;</source>
        <translation>&lt;p&gt;λ = d·y / (k·F), F = 50 см; &amp;nbsp; %1 = (λ&lt;sub&gt;1&lt;/sub&gt; + λ&lt;sub&gt;2&lt;/sub&gt; + … + λ&lt;sub&gt;n&lt;/sub&gt;) / n; &amp;nbsp; s = √( Σ (λ&lt;sub&gt;i&lt;/sub&gt; − %1)² / (n − 1) ); &amp;nbsp; δ = |%1&lt;sub&gt;жауап&lt;/sub&gt; − λ&lt;sub&gt;орн&lt;/sub&gt;| / λ&lt;sub&gt;орн&lt;/sub&gt; · 100 %&lt;/p&gt;&lt;p&gt;%1 — есептелген толқын ұзындықтарының орташасы, s — олардың таңдамалы стандартты ауытқуы (n ≥ 2 болғанда), %1&lt;sub&gt;жауап&lt;/sub&gt; — дұрыс жауаптардың орташасы, λ&lt;sub&gt;орн&lt;/sub&gt; — орнатылған толқын ұзындығы.&lt;/p&gt;</translation>
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
        <translation>Жұмыс реті:</translation>
    </message>
    <message>
        <source>     Виртуальный стенд позволяет проводить экспериментальные исследования спектров, получаемых 
с помощью дифракционной решетки.
     Положение максимумов в дифракционной картине соответствует условию:                              ,
где d - постоянная дифракционной решетки,        - угол отклонения выбранного максимума, k - порядок 
максимума,      - длина волны.
     Таким образом, длину волны можно определить используя выражение:
 </source>
        <translation>     Виртуал қондырғы дифракциялық тордың көмегімен алынатын спектрлерді эксперимент жүзінде 
зерттеуге мүмкіндік береді.
     Дифракциялық көріністегі максимумдардың орны мына шартқа сәйкес:                                 ,
мұндағы d - дифракциялық тор тұрақтысы,          - таңдалған максимумның ауытқу бұрышы, k - максимум 
реті, ал             - толқын ұзындығы.
     Сонымен, толқын ұзындығын мына өрнек арқылы анықтауға болады:
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
        <translation>1. Ауыстырғыштар арқылы дифракциялық тордың тұрақтысын өзгерте отырып, максимумдар орнының өзгеруін бақылаңыз.
2. Толқын ұзындығын ауыстырғыштар немесе спектр жолағындағы жүгірткі арқылы өзгерте отырып, максимумдар орнының және олардың қарқындылығының өзгеруін бақылаңыз. 

3. Жүгірткіні спектрдің сары бөлігіне орнатыңыз.
4. Кескінін шертіп, екінші максимумды таңдаңыз.
5. Сары түсті жарық толқынының ұзындығын есептеңіз.
6. Алынған нәтижені жауап өрісіне енгізіп, оны тексеріңіз.
7. Тор тұрақтысын, максимум ретін және жүгірткінің орнын өзгерте отырып, көгілдір және жасыл түсті жарық толқындарының ұзындығын табыңыз.</translation>
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
        <translation>Жауапты тексеру</translation>
    </message>
    <message>
        <source>Сбросить проверку</source>
        <translation>Тексеруді тастау</translation>
    </message>
    <message>
        <source>Калькулятор Windows (calc.exe) не запустился.</source>
        <translation>Windows калькуляторы (calc.exe) іске қосылмады.</translation>
    </message>
    <message>
        <source>Калькулятор не установлен: на этом компьютере нет ни одной из программ %1.</source>
        <translation>Калькулятор орнатылмаған: бұл компьютерде %1 бағдарламаларының ешқайсысы жоқ.</translation>
    </message>
    <message>
        <source>Калькулятор «%1» не запустился.</source>
        <translation>«%1» калькуляторы іске қосылмады.</translation>
    </message>
    <message>
        <source>%1 см</source>
        <translation>%1 см</translation>
    </message>
    <message>
        <source>Визир скрыт; стрелка вверх или вниз показывает его</source>
        <translation>Визир жасырылған; жоғары не төмен бағыт пернесі оны көрсетеді</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Тексеру</translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation>Тастау</translation>
    </message>
    <message>
        <source>Отчёт PDF (*.pdf)</source>
        <translation>PDF есеп (*.pdf)</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV кесте (*.csv)</translation>
    </message>
    <message>
        <source>Файл результата для учителя (*.gratinglab-result)</source>
        <translation>Мұғалімге арналған нәтиже файлы (*.gratinglab-result)</translation>
    </message>
    <message>
        <source>Сохранить журнал</source>
        <translation>Журналды сақтау</translation>
    </message>
    <message>
        <source>журнал</source>
        <translation>журнал</translation>
    </message>
    <message>
        <source>Печать отчёта</source>
        <translation>Есепті басып шығару</translation>
    </message>
    <message>
        <source>Восстановить журнал прошлого занятия?</source>
        <translation>Өткен сабақтың журналын қалпына келтіру керек пе?</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Қалпына келтіру</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Өшіру</translation>
    </message>
    <message>
        <source>Выделить всё</source>
        <translation>Барлығын белгілеу</translation>
    </message>
    <message>
        <source>Выделить все записи журнала</source>
        <translation>Журналдың барлық жазбаларын белгілеу</translation>
    </message>
    <message>
        <source>Задание: код %1, вариант %2</source>
        <translation>Тапсырма: коды %1, %2-нұсқа</translation>
    </message>
    <message>
        <source>Записей пока нет: каждая проверка ответа на стенде добавит строку.</source>
        <translation>Әзірге жазбалар жоқ: қондырғыдағы жауаптың әр тексерілуі жол қосады.</translation>
    </message>
    <message>
        <source>Очистить журнал? Все записи будут удалены.</source>
        <translation>Журналды тазалау керек пе? Барлық жазбалар өшіріледі.</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Тазалау</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Болдырмау</translation>
    </message>
    <message>
        <source>Сохранить журнал измерений?</source>
        <translation>Өлшеулер журналын сақтау керек пе?</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Сақтау</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Сақтамау</translation>
    </message>
    <message>
        <source>перейти к следующему или предыдущему элементу окна</source>
        <translation>терезенің келесі немесе алдыңғы элементіне өту</translation>
    </message>
    <message>
        <source>Пробел</source>
        <translation>Бос орын</translation>
    </message>
    <message>
        <source>нажать выбранную кнопку</source>
        <translation>таңдалған батырманы басу</translation>
    </message>
    <message>
        <source>увеличить или уменьшить постоянную решетки d на 0,1 (на экране эксперимента)</source>
        <translation>d тор тұрақтысын 0,1-ге арттыру немесе азайту (тәжірибе экранында)</translation>
    </message>
    <message>
        <source>на спектральной полосе: длина волны на 1 нм больше или меньше</source>
        <translation>спектр жолағында: толқын ұзындығы 1 нм-ге артық немесе кем</translation>
    </message>
    <message>
        <source>на спектральной полосе: длина волны на 10 нм больше или меньше</source>
        <translation>спектр жолағында: толқын ұзындығы 10 нм-ге артық немесе кем</translation>
    </message>
    <message>
        <source>на спектральной полосе: длина волны 380 нм или 760 нм</source>
        <translation>спектр жолағында: толқын ұзындығы 380 нм немесе 760 нм</translation>
    </message>
    <message>
        <source>на картине стенда: выбрать соседний максимум выше или ниже оси</source>
        <translation>қондырғы суретінде: осьтен жоғары не төмен көрші максимумды таңдау</translation>
    </message>
    <message>
        <source>на картине стенда: выбрать центральный максимум</source>
        <translation>қондырғы суретінде: орталық максимумды таңдау</translation>
    </message>
    <message>
        <source>на визире (справа, у шкалы): визир на 1 пиксель или на 1 см выше или ниже; при монохроматическом свете первое нажатие показывает визир</source>
        <translation>визирде (оң жақта, шкала жанында): визирді 1 пиксельге немесе 1 см-ге жоғары не төмен жылжыту; монохроматты жарықта бірінші басу визирді көрсетеді</translation>
    </message>
    <message>
        <source>на визире: визир на ось; скрыть визир при монохроматическом свете</source>
        <translation>визирде: визирді оське қою; монохроматты жарықта визирді жасыру</translation>
    </message>
    <message>
        <source>в поле «Источник света»: выбрать другой источник</source>
        <translation>«Жарық көзі» өрісінде: басқа жарық көзін таңдау</translation>
    </message>
    <message>
        <source>в поле ответа: проверить ответ, как кнопка «Проверить»</source>
        <translation>жауап өрісінде: «Тексеру» батырмасы сияқты жауапты тексеру</translation>
    </message>
    <message>
        <source>в журнале: сохранить журнал (CSV или PDF), напечатать отчёт</source>
        <translation>журналда: журналды сақтау (CSV немесе PDF), есепті басып шығару</translation>
    </message>
    <message>
        <source>открыть файл контрольного задания, как «Открыть задание…» на заставке</source>
        <translation>титул бетіндегі «Тапсырманы ашу…» сияқты бақылау тапсырмасының файлын ашу</translation>
    </message>
    <message>
        <source>открыть эту справку; Esc закрывает её</source>
        <translation>осы анықтаманы ашу; Esc оны жабады</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Жабу</translation>
    </message>
    <message>
        <source>Управление с клавиатуры</source>
        <translation>Пернетақтамен басқару</translation>
    </message>
    <message>
        <source>  Измерение длины световой волны (gratinglab, виртуальная лабораторная работа по физике)</source>
        <translation>  Жарық толқынының ұзындығын өлшеу (gratinglab, физикадан виртуал зертханалық жұмыс)</translation>
    </message>
    <message>
        <source>Измерение длины световой волны</source>
        <translation>Жарық толқынының ұзындығын өлшеу</translation>
    </message>
    <message>
        <source>Задание уже открыто. Чтобы открыть другое, закройте программу и откройте файл задания снова.</source>
        <translation>Тапсырма ашық тұр. Басқасын ашу үшін бағдарламаны жауып, тапсырма файлын қайта ашыңыз.</translation>
    </message>
    <message>
        <source>Папка класса не отвечает: «%1». Возможно, сервер выключен или сеть недоступна.</source>
        <translation>Сынып папкасы жауап бермейді: «%1». Сервер өшірулі немесе желі қолжетімсіз болуы мүмкін.</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Қайталау</translation>
    </message>
    <message>
        <source>В папку класса результаты пока не записываются; все проверки сохранены на этом компьютере, и программа передаёт их, как только папка ответит.</source>
        <translation>Нәтижелер сынып папкасына әзірге жазылмай тұр; барлық тексерулер осы компьютерде сақталды, папка жауап бере салысымен бағдарлама оларды жібереді.</translation>
    </message>
    <message>
        <source>Папка класса не отвечает; проверки сохранены здесь</source>
        <translation>Сынып папкасы жауап бермейді; тексерулер сақталды</translation>
    </message>
    <message>
        <source>Все проверки уже сохранены для учителя на этом компьютере, в папке «%1». Сохранить журнал измерений?</source>
        <translation>Барлық тексерулер мұғалім үшін осы компьютерде, «%1» папкасында сақталып қойған. Өлшеулер журналын сақтау керек пе?</translation>
    </message>
    <message>
        <source>Все проверки уже переданы учителю: они в папке «%1». Сохранить журнал измерений?</source>
        <translation>Барлық тексерулер мұғалімге жіберіліп қойған: олар «%1» папкасында. Өлшеулер журналын сақтау керек пе?</translation>
    </message>
    <message>
        <source>Последние проверки ещё не дошли до папки класса «%1»: все они сохранены на этом компьютере, в папке «%2». Сохранить журнал измерений?</source>
        <translation>Соңғы тексерулер «%1» сынып папкасына әлі жетпеді: олардың бәрі осы компьютерде, «%2» папкасында сақталды. Өлшеулер журналын сақтау керек пе?</translation>
    </message>
    <message>
        <source>Подсказка после проверки ответа</source>
        <translation>Жауап тексерілгеннен кейінгі кеңес</translation>
    </message>
    <message>
        <source>Увеличить постоянную решетки</source>
        <translation>Тор тұрақтысын арттыру</translation>
    </message>
    <message>
        <source>Уменьшить постоянную решетки</source>
        <translation>Тор тұрақтысын азайту</translation>
    </message>
    <message>
        <source>Постоянная решетки на 0,1 больше, до 3</source>
        <translation>Тор тұрақтысы 0,1-ге үлкен, 3-ке дейін</translation>
    </message>
    <message>
        <source>Постоянная решетки на 0,1 меньше, до 1</source>
        <translation>Тор тұрақтысы 0,1-ге кіші, 1-ге дейін</translation>
    </message>
    <message>
        <source>Открыть файл задания</source>
        <translation>Тапсырма файлын ашу</translation>
    </message>
    <message>
        <source>Файлы задания (*.gratinglab-task);;Все файлы (*)</source>
        <translation>Тапсырма файлдары (*.gratinglab-task);;Барлық файлдар (*)</translation>
    </message>
    <message>
        <source>«%1», класс %2</source>
        <translation>«%1», %2 сынып</translation>
    </message>
    <message>
        <source>— выберите себя в списке —</source>
        <translation>— тізімнен өзіңізді таңдаңыз —</translation>
    </message>
    <message>
        <source>Источник света</source>
        <translation>Жарық көзі</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Кеңес</translation>
    </message>
    <message>
        <source>Длина волны лампы неизвестна: её нужно измерить</source>
        <translation>Шамның толқын ұзындығы белгісіз: оны өлшеу керек</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Заставка</source>
        <translation>Титул</translation>
    </message>
    <message>
        <source>Показать титульный экран</source>
        <translation>Титул бетін көрсету</translation>
    </message>
    <message>
        <source>Ход работы</source>
        <translation>Жұмыс реті</translation>
    </message>
    <message>
        <source>Показать описание и порядок выполнения работы</source>
        <translation>Жұмыстың сипаттамасы мен орындалу ретін көрсету</translation>
    </message>
    <message>
        <source>Эксперимент</source>
        <translation>Тәжірибе</translation>
    </message>
    <message>
        <source>Показать виртуальный стенд</source>
        <translation>Виртуал қондырғыны көрсету</translation>
    </message>
    <message>
        <source>Калькулятор</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Запустить калькулятор</source>
        <translation>Калькуляторды іске қосу</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Жабу</translation>
    </message>
    <message>
        <source>Закрыть программу</source>
        <translation>Бағдарламаны жабу</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Показать журнал измерений и отчёт</source>
        <translation>Өлшеулер журналы мен есепті көрсету</translation>
    </message>
</context>
<context>
    <name>TaskDialog</name>
    <message>
        <source>Контрольное задание</source>
        <translation>Бақылау тапсырмасы</translation>
    </message>
    <message>
        <source>Код задания даёт учитель — на доске или в файле задания.</source>
        <translation>Тапсырма кодын мұғалім береді — тақтада немесе тапсырма файлында.</translation>
    </message>
    <message>
        <source>Открыть файл задания…</source>
        <translation>Тапсырма файлын ашу…</translation>
    </message>
    <message>
        <source>Открыть файл задания (.gratinglab-task) из папки класса</source>
        <translation>Тапсырма файлын (.gratinglab-task) сынып папкасынан ашу</translation>
    </message>
    <message>
        <source>Код задания</source>
        <translation>Тапсырма коды</translation>
    </message>
    <message>
        <source>Код, который дал учитель, до 32 знаков</source>
        <translation>Мұғалім берген код, 32 таңбаға дейін</translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation>Нұсқа</translation>
    </message>
    <message>
        <source>Номер варианта от 1 до 99</source>
        <translation>Нұсқа нөмірі 1-ден 99-ға дейін</translation>
    </message>
    <message>
        <source>Фамилия, имя</source>
        <translation>Тегі, аты</translation>
    </message>
    <message>
        <source>Можно не заполнять; не больше 60 знаков</source>
        <translation>Толтырмауға болады; 60 таңбадан аспайды</translation>
    </message>
    <message>
        <source>Выберите себя в списке класса; вариант следует из списка</source>
        <translation>Сынып тізімінен өзіңізді таңдаңыз; нұсқа тізімнен алынады</translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation>Хабарлама</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Бастау</translation>
    </message>
    <message>
        <source>Начать контрольное задание</source>
        <translation>Бақылау тапсырмасын бастау</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Болдырмау</translation>
    </message>
    <message>
        <source>Открыть обычную лабораторную работу</source>
        <translation>Кәдімгі зертханалық жұмысты ашу</translation>
    </message>
</context>
<context>
    <name>TeacherText</name>
    <message>
        <source>Вариант</source>
        <translation>Нұсқа</translation>
    </message>
    <message>
        <source>λ, нм</source>
        <translation>λ, нм</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>Символ</source>
        <translation>Таңба</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Оқушы</translation>
    </message>
    <message>
        <source>Ключ ответов: %1</source>
        <translation>Жауап кілті: %1</translation>
    </message>
    <message>
        <source>Код задания %1    Дата %2</source>
        <translation>Тапсырма коды %1    Күні %2</translation>
    </message>
    <message>
        <source>Класс %1    Код задания %2    Дата %3</source>
        <translation>Сынып %1    Тапсырма коды %2    Күні %3</translation>
    </message>
    <message>
        <source>Ключ ответов: %1, код %2</source>
        <translation>Жауап кілті: %1, коды %2</translation>
    </message>
    <message>
        <source>Код для доски</source>
        <translation>Тақтаға код</translation>
    </message>
    <message>
        <source>Класс %1</source>
        <translation>Сынып %1</translation>
    </message>
    <message>
        <source>Esc — закрыть</source>
        <translation>Esc — жабу</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Файлы, которые не учтены&lt;/h3&gt;&lt;ul&gt;</source>
        <translation>&lt;h3&gt;Есепке алынбаған файлдар&lt;/h3&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>Класс: %1&lt;br&gt;</source>
        <translation>Сынып: %1&lt;br&gt;</translation>
    </message>
    <message>
        <source>Код задания: %1&lt;br&gt;Дата: %2</source>
        <translation>Тапсырма коды: %1&lt;br&gt;Күні: %2</translation>
    </message>
    <message>
        <source>&lt;h2 align=&quot;center&quot;&gt;Результаты класса: %1&lt;/h2&gt;</source>
        <translation>&lt;h2 align=&quot;center&quot;&gt;Сынып нәтижелері: %1&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Решили верно: %1 из %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Дұрыс шешкендер: %1 (барлығы %2).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Результаты класса: %1, код %2</source>
        <translation>Сынып нәтижелері: %1, коды %2</translation>
    </message>
    <message>
        <source>Папка с результатами учеников</source>
        <translation>Оқушылар нәтижелері бар папка</translation>
    </message>
    <message>
        <source>Файлы результатов учеников</source>
        <translation>Оқушылардың нәтиже файлдары</translation>
    </message>
    <message>
        <source>Файлы результатов (*.gratinglab-result)</source>
        <translation>Нәтиже файлдары (*.gratinglab-result)</translation>
    </message>
    <message>
        <source>Где теперь папка класса?</source>
        <translation>Сынып папкасы енді қайда?</translation>
    </message>
    <message>
        <source>Откройте файл учителя или сохраните задание — здесь появятся результаты класса.</source>
        <translation>Мұғалім файлын ашыңыз немесе тапсырманы сақтаңыз — мұнда сынып нәтижелері шығады.</translation>
    </message>
    <message>
        <source>Откуда читать результаты? Добавьте папку класса (с подпапкой «Результаты»), флешку или файлы из почты.</source>
        <translation>Нәтижелерді қайдан оқу керек? Сынып папкасын («Результаты» ішкі папкасымен), флешканы немесе поштадан келген файлдарды қосыңыз.</translation>
    </message>
    <message>
        <source>Папка класса «%1» не найдена или не открывается: %2. Если её перенесли или переименовали, нажмите «Указать папку класса…».</source>
        <translation>«%1» сынып папкасы табылмады немесе ашылмайды: %2. Егер ол басқа жерге көшірілсе не атауы өзгертілсе, «Сынып папкасын көрсету…» батырмасын басыңыз.</translation>
    </message>
    <message>
        <source>Папка класса недоступна с %1: показаны результаты, прочитанные до этого (серым). Читается: %2</source>
        <translation>Сынып папкасы %1 уақытынан бері қолжетімсіз: бұған дейін оқылған нәтижелер (сұр түспен) көрсетілген. Оқылуда: %2</translation>
    </message>
    <message>
        <source>Читается: %1</source>
        <translation>Оқылуда: %1</translation>
    </message>
    <message>
        <source>Прочитано до того, как папка класса стала недоступна.</source>
        <translation>Сынып папкасы қолжетімсіз болғанға дейін оқылған.</translation>
    </message>
    <message>
        <source>Сохранить результаты класса в CSV</source>
        <translation>Сынып нәтижелерін CSV-ге сақтау</translation>
    </message>
    <message>
        <source>Результаты %1</source>
        <translation>Нәтижелер %1</translation>
    </message>
    <message>
        <source>CSV для Excel и LibreOffice (*.csv)</source>
        <translation>Excel және LibreOffice үшін CSV (*.csv)</translation>
    </message>
    <message>
        <source>Экспорт оценок в Moodle (импорт оценок из CSV-файла)</source>
        <translation>Бағаларды Moodle-ге экспорттау (бағаларды CSV файлдан импорттау)</translation>
    </message>
    <message>
        <source>Оценки Moodle %1</source>
        <translation>Moodle бағалары %1</translation>
    </message>
    <message>
        <source>В файл не вошли (нет адреса или номера в файле учителя либо нет оценки): %1.</source>
        <translation>Файлға енбегендер (мұғалім файлында мекенжайы не нөмірі жоқ немесе бағасы жоқ): %1.</translation>
    </message>
    <message>
        <source>Сохранить отчёт о классе в PDF</source>
        <translation>Сынып туралы есепті PDF-ке сақтау</translation>
    </message>
    <message>
        <source>Файлы учителя (*.gratinglab-teacher)</source>
        <translation>Мұғалім файлдары (*.gratinglab-teacher)</translation>
    </message>
    <message>
        <source>Файлы задания (*.gratinglab-task)</source>
        <translation>Тапсырма файлдары (*.gratinglab-task)</translation>
    </message>
    <message>
        <source>Учителю — Измерение длины световой волны</source>
        <translation>Мұғалімге — Жарық толқынының ұзындығын өлшеу</translation>
    </message>
    <message>
        <source>Открыть файл учителя</source>
        <translation>Мұғалім файлын ашу</translation>
    </message>
    <message>
        <source>Ключ ответов появится здесь, когда задание сохранено или открыт файл учителя.</source>
        <translation>Тапсырма сақталғанда немесе мұғалім файлы ашылғанда жауап кілті осында шығады.</translation>
    </message>
    <message>
        <source>учеников: %1</source>
        <translation>оқушылар: %1</translation>
    </message>
    <message>
        <source>вариантов: %1</source>
        <translation>нұсқалар: %1</translation>
    </message>
    <message>
        <source>«%1», %2 от %3. Файл учителя: %4</source>
        <translation>«%1», %2, күні %3. Мұғалім файлы: %4</translation>
    </message>
    <message>
        <source>«%1», класс %2, %3 от %4. Файл учителя: %5</source>
        <translation>«%1», %2 сынып, %3, күні %4. Мұғалім файлы: %5</translation>
    </message>
    <message>
        <source>Скрыть ключ</source>
        <translation>Кілтті жасыру</translation>
    </message>
    <message>
        <source>Показать ключ</source>
        <translation>Кілтті көрсету</translation>
    </message>
    <message>
        <source>Сохранить файл учителя — храните его там, где ученики его не прочтут</source>
        <translation>Мұғалім файлын сақтау — оны оқушылар оқи алмайтын жерде сақтаңыз</translation>
    </message>
    <message>
        <source>Задание не сохранено: файл учителя не выбран, ничего не записано.</source>
        <translation>Тапсырма сақталмады: мұғалім файлы таңдалмады, ештеңе жазылмады.</translation>
    </message>
    <message>
        <source>Сохранить файл задания в папку класса</source>
        <translation>Тапсырма файлын сынып папкасына сақтау</translation>
    </message>
    <message>
        <source>%1 Задание не сохранено.</source>
        <translation>%1 Тапсырма сақталмады.</translation>
    </message>
    <message>
        <source>Файл учителя записан: %1. Файл задания для учеников не записан — папка класса не выбрана; запишите его кнопкой «Файл задания…».</source>
        <translation>Мұғалім файлы жазылды: %1. Оқушыларға арналған тапсырма файлы жазылмады — сынып папкасы таңдалмаған; оны «Тапсырма файлы…» батырмасымен жазыңыз.</translation>
    </message>
    <message>
        <source>Файлы записываются…</source>
        <translation>Файлдар жазылуда…</translation>
    </message>
    <message>
        <source>Что дальше: файл задания — %1. Ученики открывают его двойным щелчком в папке класса или запускают «Измерение длины световой волны» с рабочего стола и нажимают «Открыть задание…». Их результаты появятся на вкладке «Результаты».</source>
        <translation>Әрі қарай: тапсырма файлы — %1. Оқушылар оны сынып папкасында екі рет шертіп ашады немесе жұмыс үстелінен «Жарық толқынының ұзындығын өлшеу» бағдарламасын іске қосып, «Тапсырманы ашу…» батырмасын басады. Олардың нәтижелері «Нәтижелер» қойындысында шығады.</translation>
    </message>
    <message>
        <source>Файл задания не записан: папка класса не выбрана.</source>
        <translation>Тапсырма файлы жазылмады: сынып папкасы таңдалмаған.</translation>
    </message>
    <message>
        <source>%1 Файл задания не записан.</source>
        <translation>%1 Тапсырма файлы жазылмады.</translation>
    </message>
    <message>
        <source>%1 Новая папка класса читается, но в файл учителя не записана.</source>
        <translation>%1 Жаңа сынып папкасы оқылады, бірақ мұғалім файлына жазылмады.</translation>
    </message>
    <message>
        <source>Папка класса записана в файл учителя: %1.</source>
        <translation>Сынып папкасы мұғалім файлына жазылды: %1.</translation>
    </message>
    <message>
        <source>Сохранить ключ ответов в PDF</source>
        <translation>Жауап кілтін PDF-ке сақтау</translation>
    </message>
    <message>
        <source>Ключ %1</source>
        <translation>Кілт %1</translation>
    </message>
    <message>
        <source>Экспорт в Moodle (Moodle XML)</source>
        <translation>Moodle-ге экспорт (Moodle XML)</translation>
    </message>
</context>
<context>
    <name>TeacherWindow</name>
    <message>
        <source>Учителю — Измерение длины световой волны</source>
        <translation>Мұғалімге — Жарық толқынының ұзындығын өлшеу</translation>
    </message>
    <message>
        <source>Задание и ключ</source>
        <translation>Тапсырма және кілт</translation>
    </message>
    <message>
        <source>Новое задание</source>
        <translation>Жаңа тапсырма</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Атауы</translation>
    </message>
    <message>
        <source>Название задания</source>
        <translation>Тапсырма атауы</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Сынып</translation>
    </message>
    <message>
        <source>например, 9Б</source>
        <translation>мысалы, 9Б</translation>
    </message>
    <message>
        <source>Список класса, по ученику в строке</source>
        <translation>Сынып тізімі, әр жолда бір оқушы</translation>
    </message>
    <message>
        <source>Адрес или номер ученика — в той же строке после «;». Из таблицы (LibreOffice Calc, Excel) можно скопировать и вставить два столбца: фамилию с именем и адрес.</source>
        <translation>Оқушының мекенжайы не нөмірі — сол жолда «;» белгісінен кейін. Кестеден (LibreOffice Calc, Excel) екі бағанды көшіріп қоюға болады: тегі мен аты және мекенжайы.</translation>
    </message>
    <message>
        <source>Список класса</source>
        <translation>Сынып тізімі</translation>
    </message>
    <message>
        <source>Иванов Пётр; ivanov@school.ru
Петрова Анна</source>
        <translation>Ахметов Ерлан; akhmetov@school.kz
Серікова Айгүл</translation>
    </message>
    <message>
        <source>Без имён, вариантов:</source>
        <translation>Атсыз, нұсқалар:</translation>
    </message>
    <message>
        <source>Число вариантов</source>
        <translation>Нұсқалар саны</translation>
    </message>
    <message>
        <source>Код для доски</source>
        <translation>Тақтаға код</translation>
    </message>
    <message>
        <source>Случайный код из цифр; «Другой код» выбирает новый</source>
        <translation>Цифрлардан тұратын кездейсоқ код; «Басқа код» жаңасын таңдайды</translation>
    </message>
    <message>
        <source>Другой код</source>
        <translation>Басқа код</translation>
    </message>
    <message>
        <source>Сохранить задание…</source>
        <translation>Тапсырманы сақтау…</translation>
    </message>
    <message>
        <source>Записать файл учителя, затем файл задания для папки класса</source>
        <translation>Мұғалім файлын, содан кейін сынып папкасына тапсырма файлын жазу</translation>
    </message>
    <message>
        <source>Задание и ключ ответов</source>
        <translation>Тапсырма және жауап кілті</translation>
    </message>
    <message>
        <source>Показать код классу</source>
        <translation>Кодты сыныпқа көрсету</translation>
    </message>
    <message>
        <source>Код, название и класс во весь экран, для проектора; Esc закрывает</source>
        <translation>Код, атауы және сынып толық экранда, проектор үшін; Esc жабады</translation>
    </message>
    <message>
        <source>Что дальше</source>
        <translation>Әрі қарай не істеу</translation>
    </message>
    <message>
        <source>Показать ключ</source>
        <translation>Кілтті көрсету</translation>
    </message>
    <message>
        <source>Ключ ответов и длины волн в «Результатах»; не показывайте его на проекторе</source>
        <translation>«Нәтижелер» бөлімінде жауап кілті мен толқын ұзындықтары; оны проекторда көрсетпеңіз</translation>
    </message>
    <message>
        <source>Ключ ответов</source>
        <translation>Жауап кілті</translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation>Нұсқа</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Оқушы</translation>
    </message>
    <message>
        <source>λ, нм</source>
        <translation>λ, нм</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>Символ</source>
        <translation>Таңба</translation>
    </message>
    <message>
        <source>Открыть файл учителя…</source>
        <translation>Мұғалім файлын ашу…</translation>
    </message>
    <message>
        <source>Новое задание…</source>
        <translation>Жаңа тапсырма…</translation>
    </message>
    <message>
        <source>Закрыть это задание и заполнить новое</source>
        <translation>Осы тапсырманы жауып, жаңасын толтыру</translation>
    </message>
    <message>
        <source>Файл задания…</source>
        <translation>Тапсырма файлы…</translation>
    </message>
    <message>
        <source>Записать файл задания для папки класса ещё раз</source>
        <translation>Тапсырма файлын сынып папкасына қайта жазу</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Баспаға…</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation>PDF сақтау…</translation>
    </message>
    <message>
        <source>Экспорт в Moodle…</source>
        <translation>Moodle-ге экспорт…</translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation>Хабарлама</translation>
    </message>
    <message>
        <source>Результаты</source>
        <translation>Нәтижелер</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>Лабораторная работа</source>
        <translation>Зертханалық жұмыс</translation>
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
        <translation>Тапсырманы ашу</translation>
    </message>
    <message>
        <source>Открыть файл контрольного задания из папки класса (Ctrl+O)</source>
        <translation>Бақылау тапсырмасының файлын сынып папкасынан ашу (Ctrl+O)</translation>
    </message>
    <message>
        <source>Открыть задание…</source>
        <translation>Тапсырманы ашу…</translation>
    </message>
    <message>
        <source>Экспериментальное измерение</source>
        <extracomment>The banner&apos;s first line. The two lines make one phrase; a language with another word order may move words between them.</extracomment>
        <translation>Жарық толқынының ұзындығын</translation>
    </message>
    <message>
        <source>длины световой волны</source>
        <extracomment>The banner&apos;s second line (see the first).</extracomment>
        <translation>эксперименттік өлшеу</translation>
    </message>
</context>
</TS>
