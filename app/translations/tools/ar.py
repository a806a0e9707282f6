# Arabic, from the English table: the game's texts for a child of 6 to 10,
# and the teacher's. Numbers stay in Western digits, as the answer box takes
# them. Plurals: zero, one, two, 3-10, 11-99, and 100 and more.
PIVOT = "en.py"
TEXTS = {
    "%1 and %2 left.": "بقي %1 و%2.",
    "1 minute": "دقيقة واحدة",
    "%n minute": ["%n دقيقة", "%n دقيقة", "%n دقيقتان", "%n دقائق", "%n دقيقة", "%n دقيقة"],
    "1 second": "ثانية واحدة",
    "%n second": ["%n ثانية", "%n ثانية", "%n ثانيتان", "%n ثوانٍ", "%n ثانية", "%n ثانية"],
    "1 minute left.": "بقيت دقيقة واحدة.",
    "%n minute left.": ["بقي %n دقيقة.", "بقيت %n دقيقة.", "بقيت %n دقيقتان.", "بقيت %n دقائق.",
                        "بقيت %n دقيقة.", "بقيت %n دقيقة."],
    "1 second left.": "بقيت ثانية واحدة.",
    "%n second left.": ["بقي %n ثانية.", "بقيت %n ثانية.", "بقيت %n ثانيتان.", "بقيت %n ثوانٍ.",
                        "بقيت %n ثانية.", "بقيت %n ثانية."],
    "Time's up.": "انتهى الوقت.",
    "shows the keypad beside the sum even without a touch screen":
        "يعرض لوحة الأرقام بجانب العملية حتى بدون شاشة لمس",
    "opens the class's results instead of a contest":
        "يفتح نتائج الصف بدلًا من مسابقة",
    "code": "الرمز",
    "speaks this language instead of the computer's":
        "يتكلم هذه اللغة بدلًا من لغة الحاسوب",
    "shows this help and quits": "يعرض هذه المساعدة ويخرج",
    "shows the version and quits": "يعرض الإصدار ويخرج",
    "An option is missing its value.": "أحد الخيارات بلا قيمة.",
    "Unknown option: %1": "خيار غير معروف: %1",
    "Unexpected argument: %1": "معامل غير متوقع: %1",
    "Unknown language: %1. The languages are: %2.":
        "لغة غير معروفة: %1. اللغات المتاحة: %2.",
    "Not a valid value for --ms-al-secondo: %1": "قيمة غير صالحة لـ --ms-al-secondo: %1",
    "Usage: corvalesta [options]\nA five-minute contest: what is a number plus 1?\n\nOptions:\n":
        "الاستخدام: corvalesta [خيارات]\nمسابقة مدتها خمس دقائق: كم يساوي العدد زائد 1؟\n\nالخيارات:\n",
    "Languages: %1": "اللغات: %1",
    "For the list of options: corvalesta --help": "لقائمة الخيارات: corvalesta --help",
    "Error: too many answers to count (overflow).":
        "خطأ: الإجابات أكثر من أن تُعد (تجاوز).",
    "What's your name?": "ما اسمك؟",
    "%1, let's see if you're a real champion!": "%1، لنرَ إن كنت بطلًا حقيقيًا!",
    "What is %1 plus 1?": "كم يساوي %1 زائد 1؟",
    "Right! %1, you're great!": "صحيح! %1، أنت رائع!",
    "Not quite! It's %1": "ليس تمامًا! الجواب %1",
    "Right answers: %1, wrong: %2, in all: %3.":
        "الإجابات الصحيحة: %1، الخاطئة: %2، المجموع: %3.",
    "There is no record yet.": "لا يوجد رقم قياسي بعد.",
    "1 point": "نقطة واحدة",
    "%n point": ["%n نقطة", "%n نقطة", "%n نقطتان", "%n نقاط", "%n نقطة", "%n نقطة"],
    "%1 points": "%1 نقطة",
    "The record is %1.": "الرقم القياسي %1.",
    "The record is %1, by %2.": "الرقم القياسي %1، سجّله %2.",
    "SHALL WE START A NEW CONTEST?": "هل نبدأ مسابقة جديدة؟",
    "START A NEW CONTEST": "ابدأ مسابقة جديدة",
    "Times table up to which number?": "جدول الضرب حتى أي عدد؟",
    "%1, you didn't choose, so we'll go up to 10.":
        "%1، لم تختر، لذلك سنصل إلى 10.",
    "Time's up! %1": "انتهى الوقت! %1",
    "Delete": "امسح",
    "Enter": "إدخال",
    "Keypad": "لوحة الأرقام",
    "Big keys for the touch screen": "مفاتيح كبيرة لشاشة اللمس",
    "Answer": "الجواب",
    "Next sum": "العملية التالية",
    "Exit": "خروج",
    "Made by the teachers": "من إعداد المعلمات والمعلمين",
    "Girasole Primary School": "مدرسة جيراسولي الابتدائية",
    "new": "جديد",
    "For the girls and boys of year five": "للبنات والأولاد في الصف الخامس",
    "Full screen": "ملء الشاشة",
    "Time and record": "الوقت والرقم القياسي",
    "&Yes": "&نعم",
    "&No": "&لا",
    "OK": "حسنًا",
    "Cancel": "إلغاء",
    "Chart of the right answers": "رسم بياني للإجابات الصحيحة",
    "Right answers of %1": "الإجابات الصحيحة لـ %1",
    "Choose a row to see the chart": "اختر صفًا لترى الرسم البياني",
    # The exported CSV header, lower case as the log's own.
    "date": "التاريخ",
    "name": "الاسم",
    "right": "صحيحة",
    "wrong": "خاطئة",
    "total": "المجموع",
    "seconds": "الثواني",
    "record": "رقم قياسي",
    "account": "الحساب",
    "Date": "التاريخ",
    "Name": "الاسم",
    "Right": "صحيحة",
    "Wrong": "خاطئة",
    "Total": "المجموع",
    "Time": "المدة",
    "Record": "رقم قياسي",
    "Account": "الحساب",
    "yes": "نعم",
    "no": "لا",
    "Class results": "نتائج الصف",
    "Reading…": "جارٍ القراءة…",
    "&Name:": "الا&سم:",
    "Filter by name": "تصفية حسب الاسم",
    "&Period:": "ال&فترة:",
    "Period": "الفترة",
    "today": "اليوم",
    "this week": "هذا الأسبوع",
    "all": "الكل",
    "&Export…": "&تصدير…",
    "Export the rows shown": "تصدير الصفوف المعروضة",
    "Contests shown": "المسابقات المعروضة",
    "The class's contests": "مسابقات الصف",
    "Table of results": "جدول النتائج",
    "Export the results": "تصدير النتائج",
    "I cannot save the results in\n%1": "لا أستطيع حفظ النتائج في\n%1",
    "I cannot read the results: %1": "لا أستطيع قراءة النتائج: %1",
    "1 contest": "مسابقة واحدة",
    "%n contest": ["%n مسابقة", "%n مسابقة", "%n مسابقتان", "%n مسابقات", "%n مسابقة", "%n مسابقة"],
    "Bye, see you at the next challenge!": "إلى اللقاء في التحدي القادم!",
    "OK! I've saved your record, C H A M P I O N":
        "حسنًا! حفظت رقمك القياسي يا ب ط ل",
    "Number to complete": "العدد المطلوب إكماله",
    "Plus sign": "علامة الجمع",
    "Number to add": "العدد المضاف",
    "Equals sign": "علامة يساوي",
    "Type the answer and press Enter": "اكتب الجواب واضغط إدخال",
    "Type the answer here and press Enter": "اكتب الجواب هنا واضغط إدخال",
    "Hidden number": "عدد مخفي",
    "The game's answer": "جواب اللعبة",
    "Empty line": "سطر فارغ",
    "Right answers": "الإجابات الصحيحة",
    "Title of the right answers": "عنوان الإجابات الصحيحة",
    "This is your score. Go for the record!": "هذه نتيجتك. هيا نحو الرقم القياسي!",
    "Wrong answers": "الإجابات الخاطئة",
    "Title of the wrong answers": "عنوان الإجابات الخاطئة",
    "All answers": "كل الإجابات",
    "Title of all answers": "عنوان كل الإجابات",
    "Time left": "الوقت المتبقي",
    "Title of the time": "عنوان الوقت",
    "Click below me to set the timer": "انقر تحتي لضبط المؤقت",
    "Clock": "الساعة",
    "Player": "اللاعب",
    "Title of the player's name": "عنوان اسم اللاعب",
    "Player's name": "اسم اللاعب",
    "The record is ": "الرقم القياسي ",
    "The record is": "الرقم القياسي",
    "Name of the record holder": "اسم صاحب الرقم القياسي",
    "with points": "بالنقاط",
    "Record points": "نقاط الرقم القياسي",
    "&Next sum": "العملية ال&تالية",
    "Go": "هيا",
    "Go on to the next sum": "انتقل إلى العملية التالية",
    "E&xit": "&خروج",
    "Please stay a little longer, maybe you'll beat the record!":
        "ابقَ قليلًا بعد، ربما تحطم الرقم القياسي!",
    "Leave the game and save the record": "اخرج من اللعبة واحفظ الرقم القياسي",
    "Button with no action": "زر بلا عمل",
    "Ventobaldo - Counting up to 10000": "Ventobaldo - العد حتى 10000",
    "the disk is full": "القرص ممتلئ",
    "I am not allowed to use it": "ليس لدي إذن باستخدامه",
    "it is read-only": "للقراءة فقط",
    "disk error": "خطأ في القرص",
    "another copy of the game is saving the record":
        "نسخة أخرى من اللعبة تحفظ الرقم القياسي الآن",
    "it is not a folder": "ليس مجلدًا",
    "it is not a regular file": "ليس ملفًا عاديًا",
    "the folder is missing": "المجلد غير موجود",
    "the file is missing": "الملف غير موجود",
    "too many files are open": "الملفات المفتوحة كثيرة جدًا",
    "out of memory": "نفدت الذاكرة",
    "it has another name: it is a hard link": "له اسم آخر: إنه رابط صلب",
    "the service that saves the record is not running: the computer's administrator starts "
    "it with «sudo systemctl enable --now corvalesta-record.socket»":
        "الخدمة التي تحفظ الرقم القياسي لا تعمل: يشغّلها مدير الحاسوب بالأمر "
        "«sudo systemctl enable --now corvalesta-record.socket»",
    "the service that saves the record did not answer":
        "الخدمة التي تحفظ الرقم القياسي لم تُجب",
    "I cannot use the record's folder\n%1\n\nReason: %2":
        "لا أستطيع استخدام مجلد الرقم القياسي\n%1\n\nالسبب: %2",
    "I cannot use the record's file\n%1\n\nReason: %2":
        "لا أستطيع استخدام ملف الرقم القياسي\n%1\n\nالسبب: %2",
    "unexpected error (code %1)": "خطأ غير متوقع (الرمز %1)",
    "(record folder)": "(مجلد الرقم القياسي)",
    "the folder is not known": "المجلد غير معروف",
    "the name is too long": "الاسم طويل جدًا",
    # The desktop entry and the AppStream data.
    "Counting game":
        "لعبة الحساب",
    "Which number comes next? A five-minute contest for primary school":
        "ما العدد التالي؟ مسابقة مدتها خمس دقائق للمدرسة الابتدائية",
    "math;numbers;addition;counting;school;children;":
        "رياضيات;أعداد;جمع;عد;مدرسة;أطفال;",
    "Counting game for primary school":
        "لعبة حساب للمدرسة الابتدائية",
    "Each round shows a number from 0 to 9999 and the sign «+ 1 =»: the child types the number that comes next and presses Enter. The game praises the child by name or shows the right answer, plays a sound, counts the right, wrong and total answers and colours the background anew every round.":
        "تعرض كل جولة عددًا من 0 إلى 9999 والعلامة «+ 1 =»: يكتب الطفل العدد التالي ويضغط إدخال. تمدح اللعبة الطفل باسمه أو تعرض الجواب الصحيح، وتصدر صوتًا، وتعد الإجابات الصحيحة والخاطئة والمجموع، وتلوّن الخلفية من جديد في كل جولة.",
    "A contest lasts five minutes. The computer's record and the name of whoever set it are kept for the next contest.":
        "تستمر المسابقة خمس دقائق. يبقى الرقم القياسي للحاسوب واسم من سجّله محفوظين للمسابقة التالية.",
    "For the teacher, every finished contest stays in the class's results: the «Class results» window shows date, name, right, wrong and total answers, filters by name and period, sorts by column, charts each child's progress and exports the rows to a CSV file that opens in LibreOffice Calc. With a screen reader the game says every sum and every answer; on a touch screen it shows a keypad.":
        "للمعلم، تبقى كل مسابقة منتهية في نتائج الصف: تعرض نافذة «نتائج الصف» التاريخ والاسم والإجابات الصحيحة والخاطئة والمجموع، وتصفّي حسب الاسم والفترة، وترتّب حسب العمود، وترسم تقدّم كل طفل، وتصدّر الصفوف إلى ملف CSV يُفتح ببرنامج LibreOffice Calc. مع قارئ الشاشة تقول اللعبة كل عملية وكل جواب، وعلى شاشة اللمس تعرض لوحة أرقام.",
    "maths":
        "رياضيات",
    "numbers":
        "أعداد",
    "addition":
        "جمع",
    "counting":
        "عد",
    "primary school":
        "المدرسة الابتدائية",
    "class results":
        "نتائج الصف",
    "The service that saves the record is not answering now: your contest is kept on this computer and will be saved as soon as the service is back.":
        "الخدمة التي تحفظ الرقم القياسي لا تجيب الآن: مسابقتك محفوظة على هذا الحاسوب وستُسجَّل حين تعود الخدمة.",
    "Your contest is in the class's results, but it cannot count as the record: the service that saves the record did not see it start.":
        "مسابقتك ضمن نتائج الصف، لكنها لا تُحتسب رقمًا قياسيًا: الخدمة التي تحفظ الرقم القياسي لم ترَ بدايتها.",
    "I cannot save this contest.\n\nReason: %1":
        "لا أستطيع تسجيل هذه المسابقة.\n\nالسبب: %1",
    "it claims more seconds of play than have passed since it started":
        "تذكر ثواني لعب أكثر مما مضى منذ بدايتها",
    "%1 contests have been played on this account today already, the most for one day":
        "لُعبت اليوم %1 مسابقة بهذا الحساب، وهذا أقصى عدد في اليوم",
    "its data are not valid":
        "بياناتها غير صالحة",
    "verified":
        "متحقَّق منها",
    "Verified":
        "متحقَّق منها",
    "Computer's record: %1, by %2":
        "رقم الحاسوب القياسي: %1، لـ %2",
    "Computer's record: %1, by %2 (account %3)":
        "رقم الحاسوب القياسي: %1، لـ %2 (الحساب %3)",
}
