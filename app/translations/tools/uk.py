# Ukrainian, from the English table: the game's texts for a child of 6 to 10,
# and the teacher's. Plurals: one (1, 21), a few (2-4, 22-24), many.
PIVOT = "en.py"
TEXTS = {
    "%1 and %2 left.": "Залишилося %1 і %2.",
    "1 minute": "1 хвилина",
    "%n minute": ["%n хвилина", "%n хвилини", "%n хвилин"],
    "1 second": "1 секунда",
    "%n second": ["%n секунда", "%n секунди", "%n секунд"],
    "1 minute left.": "Залишилася 1 хвилина.",
    "%n minute left.": ["Залишилася %n хвилина.", "Залишилося %n хвилини.", "Залишилося %n хвилин."],
    "1 second left.": "Залишилася 1 секунда.",
    "%n second left.": ["Залишилася %n секунда.", "Залишилося %n секунди.", "Залишилося %n секунд."],
    "Time's up.": "Час вийшов.",
    "shows the keypad beside the sum even without a touch screen":
        "показує цифрову клавіатуру біля прикладу навіть без сенсорного екрана",
    "opens the class's results instead of a contest":
        "відкриває результати класу замість гри",
    "code": "код",
    "speaks this language instead of the computer's":
        "говорить цією мовою замість мови комп'ютера",
    "shows this help and quits": "показує цю довідку і виходить",
    "shows the version and quits": "показує версію і виходить",
    "An option is missing its value.": "Параметру бракує значення.",
    "Unknown option: %1": "Невідомий параметр: %1",
    "Unexpected argument: %1": "Неочікуваний аргумент: %1",
    "Unknown language: %1. The languages are: %2.":
        "Невідома мова: %1. Є такі мови: %2.",
    "Not a valid value for --ms-al-secondo: %1": "Неправильне значення для --ms-al-secondo: %1",
    "Usage: corvalesta [options]\nA five-minute contest: what is a number plus 1?\n\nOptions:\n":
        "Використання: corvalesta [параметри]\nГра на п'ять хвилин: скільки буде число плюс 1?\n\nПараметри:\n",
    "Languages: %1": "Мови: %1",
    "For the list of options: corvalesta --help": "Список параметрів: corvalesta --help",
    "Error: too many answers to count (overflow).":
        "Помилка: забагато відповідей, щоб їх порахувати (переповнення).",
    "What's your name?": "Як тебе звати?",
    "%1, let's see if you're a real champion!": "%1, подивимося, чи ти справжній чемпіон!",
    "What is %1 plus 1?": "Скільки буде %1 плюс 1?",
    "Right! %1, you're great!": "Правильно! %1, ти молодець!",
    "Not quite! It's %1": "Не зовсім! Це %1",
    "Right answers: %1, wrong: %2, in all: %3.":
        "Правильних відповідей: %1, неправильних: %2, усього: %3.",
    "There is no record yet.": "Рекорду ще немає.",
    "1 point": "1 бал",
    "%n point": ["%n бал", "%n бали", "%n балів"],
    "%1 points": "балів: %1",
    "The record is %1.": "Рекорд: %1.",
    "The record is %1, by %2.": "Рекорд: %1 (%2).",
    "SHALL WE START A NEW CONTEST?": "ПОЧНЕМО НОВУ ГРУ?",
    "START A NEW CONTEST": "ПОЧАТИ НОВУ ГРУ",
    "Times table up to which number?": "Таблиця множення до якого числа?",
    "%1, you didn't choose, so we'll go up to 10.":
        "%1, ти не вибрав, тож рахуємо до 10.",
    "Time's up! %1": "Час вийшов! %1",
    "Delete": "Стерти",
    "Enter": "Enter",
    "Keypad": "Цифрова клавіатура",
    "Big keys for the touch screen": "Великі клавіші для сенсорного екрана",
    "Answer": "Відповідь",
    "Next sum": "Наступний приклад",
    "Exit": "Вийти",
    "Made by the teachers": "Зробили вчительки й учителі",
    "Girasole Primary School": "Початкова школа «Джіразоле»",
    "new": "новий",
    "For the girls and boys of year five": "Для дівчаток і хлопчиків п'ятого класу",
    "Full screen": "На весь екран",
    "Time and record": "Час і рекорд",
    "&Yes": "&Так",
    "&No": "&Ні",
    "OK": "Гаразд",
    "Cancel": "Скасувати",
    "Chart of the right answers": "Графік правильних відповідей",
    "Right answers of %1": "Правильні відповіді: %1",
    "Choose a row to see the chart": "Вибери рядок, щоб побачити графік",
    # The exported CSV header, lower case as the log's own.
    "date": "дата",
    "name": "ім'я",
    "right": "правильні",
    "wrong": "неправильні",
    "total": "усього",
    "seconds": "секунди",
    "record": "рекорд",
    "account": "обліковий запис",
    "Date": "Дата",
    "Name": "Ім'я",
    "Right": "Правильні",
    "Wrong": "Неправильні",
    "Total": "Усього",
    "Time": "Тривалість",
    "Record": "Рекорд",
    "Account": "Обліковий запис",
    "yes": "так",
    "no": "ні",
    "Class results": "Результати класу",
    "Reading…": "Читаю…",
    "&Name:": "&Ім'я:",
    "Filter by name": "Фільтр за ім'ям",
    "&Period:": "&Період:",
    "Period": "Період",
    "today": "сьогодні",
    "this week": "цього тижня",
    "all": "усе",
    "&Export…": "&Експортувати…",
    "Export the rows shown": "Експортувати показані рядки",
    "Contests shown": "Показані ігри",
    "The class's contests": "Ігри класу",
    "Table of results": "Таблиця результатів",
    "Export the results": "Експортувати результати",
    "I cannot save the results in\n%1": "Не можу зберегти результати в\n%1",
    "I cannot read the results: %1": "Не можу прочитати результати: %1",
    "1 contest": "1 гра",
    "%n contest": ["%n гра", "%n гри", "%n ігор"],
    "Bye, see you at the next challenge!": "Бувай, до наступного змагання!",
    "OK! I've saved your record, C H A M P I O N":
        "Гаразд! Я зберіг твій рекорд, Ч Е М П І О Н Е",
    "Number to complete": "Число, яке треба доповнити",
    "Plus sign": "Знак плюс",
    "Number to add": "Число, яке додаємо",
    "Equals sign": "Знак дорівнює",
    "Type the answer and press Enter": "Напиши відповідь і натисни Enter",
    "Type the answer here and press Enter": "Напиши тут відповідь і натисни Enter",
    "Hidden number": "Приховане число",
    "The game's answer": "Відповідь гри",
    "Empty line": "Порожній рядок",
    "Right answers": "Правильні відповіді",
    "Title of the right answers": "Заголовок правильних відповідей",
    "This is your score. Go for the record!": "Це твій рахунок. Вперед до рекорду!",
    "Wrong answers": "Неправильні відповіді",
    "Title of the wrong answers": "Заголовок неправильних відповідей",
    "All answers": "Усі відповіді",
    "Title of all answers": "Заголовок усіх відповідей",
    "Time left": "Залишилося",
    "Title of the time": "Заголовок часу",
    "Click below me to set the timer": "Натисни під мною, щоб налаштувати таймер",
    "Clock": "Годинник",
    "Player": "Гравець",
    "Title of the player's name": "Заголовок імені гравця",
    "Player's name": "Ім'я гравця",
    "The record is ": "Рекорд: ",
    "The record is": "Рекорд:",
    "Name of the record holder": "Ім'я рекордсмена",
    "with points": "з балами",
    "Record points": "Бали рекорду",
    "&Next sum": "&Наступний приклад",
    "Go": "Далі",
    "Go on to the next sum": "Перейти до наступного прикладу",
    "E&xit": "&Вийти",
    "Please stay a little longer, maybe you'll beat the record!":
        "Залишся ще трохи, може, поб'єш рекорд!",
    "Leave the game and save the record": "Вийти з гри і зберегти рекорд",
    "Button with no action": "Кнопка без дії",
    "Ventobaldo - Counting up to 10000": "Ventobaldo - Рахуємо до 10000",
    "the disk is full": "диск заповнений",
    "I am not allowed to use it": "мені не дозволено ним користуватися",
    "it is read-only": "він лише для читання",
    "disk error": "помилка диска",
    "another copy of the game is saving the record":
        "інша копія гри саме зберігає рекорд",
    "it is not a folder": "це не тека",
    "it is not a regular file": "це не звичайний файл",
    "the folder is missing": "теки немає",
    "the file is missing": "файлу немає",
    "too many files are open": "відкрито забагато файлів",
    "out of memory": "закінчилася пам'ять",
    "it has another name: it is a hard link": "він має іншу назву: це жорстке посилання",
    "the service that saves the record is not running: the computer's administrator starts "
    "it with «sudo systemctl enable --now corvalesta-record.socket»":
        "служба, що зберігає рекорд, не працює: адміністратор комп'ютера запускає її командою "
        "«sudo systemctl enable --now corvalesta-record.socket»",
    "the service that saves the record did not answer":
        "служба, що зберігає рекорд, не відповіла",
    "I cannot use the record's folder\n%1\n\nReason: %2":
        "Не можу скористатися текою рекорду\n%1\n\nПричина: %2",
    "I cannot use the record's file\n%1\n\nReason: %2":
        "Не можу скористатися файлом рекорду\n%1\n\nПричина: %2",
    "unexpected error (code %1)": "неочікувана помилка (код %1)",
    "(record folder)": "(тека рекорду)",
    "the folder is not known": "тека невідома",
    "the name is too long": "ім'я задовге",
    # The desktop entry and the AppStream data.
    "Counting game":
        "Гра з рахунку",
    "Which number comes next? A five-minute contest for primary school":
        "Яке число йде далі? Гра на п'ять хвилин для початкової школи",
    "math;numbers;addition;counting;school;children;":
        "математика;числа;додавання;лічба;школа;діти;",
    "Counting game for primary school":
        "Гра з рахунку для початкової школи",
    "Each round shows a number from 0 to 9999 and the sign «+ 1 =»: the child types the number that comes next and presses Enter. The game praises the child by name or shows the right answer, plays a sound, counts the right, wrong and total answers and colours the background anew every round.":
        "Кожен раунд показує число від 0 до 9999 і знак «+ 1 =»: дитина пише число, яке йде далі, і натискає Enter. Гра хвалить її на ім'я або показує правильну відповідь, грає звук, рахує правильні, неправильні й усі відповіді та щоразу по-новому розфарбовує тло.",
    "A contest lasts five minutes. The computer's record and the name of whoever set it are kept for the next contest.":
        "Гра триває п'ять хвилин. Рекорд комп'ютера та ім'я того, хто його встановив, зберігаються для наступної гри.",
    "For the teacher, every finished contest stays in the class's results: the «Class results» window shows date, name, right, wrong and total answers, filters by name and period, sorts by column, charts each child's progress and exports the rows to a CSV file that opens in LibreOffice Calc. With a screen reader the game says every sum and every answer; on a touch screen it shows a keypad.":
        "Для вчителя кожна завершена гра лишається в результатах класу: вікно «Результати класу» показує дату, ім'я, правильні, неправильні й усі відповіді, фільтрує за ім'ям і періодом, сортує за стовпцями, малює поступ кожної дитини й експортує рядки у файл CSV, який відкривається в LibreOffice Calc. З екранним читачем гра вимовляє кожен приклад і кожну відповідь; на сенсорному екрані показує цифрову клавіатуру.",
    "maths":
        "математика",
    "numbers":
        "числа",
    "addition":
        "додавання",
    "counting":
        "лічба",
    "primary school":
        "початкова школа",
    "class results":
        "результати класу",
    "The service that saves the record is not answering now: your contest is kept on this computer and will be saved as soon as the service is back.":
        "Служба, що зберігає рекорд, зараз не відповідає: твою гру збережено на цьому комп'ютері, і її буде записано, щойно служба запрацює знову.",
    "Your contest is in the class's results, but it cannot count as the record: the service that saves the record did not see it start.":
        "Твоя гра є серед результатів класу, але не може зарахуватися як рекорд: служба, що зберігає рекорд, не бачила її початку.",
    "I cannot save this contest.\n\nReason: %1":
        "Не можу записати цю гру.\n\nПричина: %1",
    "it claims more seconds of play than have passed since it started":
        "у ній зазначено більше секунд гри, ніж минуло від її початку",
    "%1 contests have been played on this account today already, the most for one day":
        "сьогодні з цього облікового запису вже зіграно %1 ігор, найбільше за один день",
    "its data are not valid":
        "її дані недійсні",
    "verified":
        "перевірено",
    "Verified":
        "Перевірено",
    "Computer's record: %1, by %2":
        "Рекорд комп'ютера: %1, від %2",
    "Computer's record: %1, by %2 (account %3)":
        "Рекорд комп'ютера: %1, від %2 (обліковий запис %3)",
}
