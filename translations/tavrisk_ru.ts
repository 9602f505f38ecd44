<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutBox</name>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. This is a personality test based on Japanese Animal Archetypes. All rights in this program belong to its publisher, Quorvane Softwares.</source>
        <translation>QV Tavrisk — увлекательная игра, которая расскажет, что для вас по-настоящему ценно. Это тест личности, основанный на японских архетипах животных. Все права на программу принадлежат её издателю, Quorvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Нажмите здесь, чтобы перейти на %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Бизнес на дому: откройте своё дело в Интернете и зарабатывайте онлайн. Получите эту программу под марку вашего сайта.</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Application is already running</source>
        <translation>Приложение уже запущено</translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Программы Quorvane</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Сайт Quorvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Посоветуйте другу</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Посоветовать</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Справка в &amp;Интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Наш сайт</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Проверить &amp;обновления</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Проверить &amp;обновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>О &amp;программе</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>По&amp;жертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработок в Интернете</translation>
    </message>
</context>
<context>
    <name>Promotion</name>
    <message>
        <source>The Most Popular Online Quorvane Discussion Board. Best Resource For Everything Quorvane. Visit %1 Now</source>
        <translation>Самый популярный форум о Quorvane в Интернете. Лучший ресурс обо всём, что связано с Quorvane. Заходите на %1 прямо сейчас</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому: откройте своё дело в Интернете и зарабатывайте онлайн. Получите эту программу под марку вашего сайта. Нажмите здесь, чтобы узнать больше.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Эта программа под маркой вашего сайта.  Больше постоянных посетителей. Здесь — название &amp;&amp;  ссылка вашего сайта. Подробности — в «Справке».    Нажмите, чтобы узнать больше.</translation>
    </message>
    <message>
        <source>Quorvane Softwares, such as this can be created and maintained only with your support. The best way to support Quorvane is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <translation>Такие программы Quorvane можно создавать и поддерживать только с вашей помощью. Лучший способ поддержать Quorvane — регулярно заходить на %1 и участвовать в обсуждениях и других делах форума.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting %1</source>
        <translation>Заходите на %1 регулярно. Поддержите %1, участвуя в обсуждениях и других делах. Без ваших регулярных посещений %1 эти программы невозможно поддерживать и развивать.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all things quorvane. To help %1 develop and maintain this software visit Quorvane regularly.</source>
        <translation>%1 — БЕСПЛАТНЫЙ форум обо всём, что связано с Quorvane. Чтобы помочь %1 развивать и поддерживать эту программу, регулярно заходите на Quorvane.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activites to help us maintain and develop more Quorvane Softwares.</source>
        <translation>%1 нужна ваша помощь. Достаточно регулярно заходить на %1 и участвовать в обсуждениях и других делах, чтобы помочь нам поддерживать и создавать новые программы Quorvane.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quorvane Softwares. From a single software, we have now grown to become the world’s largest resource of quorvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Если вам понравилась эта программа, вас наверняка заинтересуют и другие программы Quorvane. Начав с одной программы, мы стали крупнейшим в мире собранием программ Quorvane. Астрология, ясновидение, таро, нумерология или оккультизм — у нас есть программы во всех областях, и каждый найдёт что-то по своим интересам.</translation>
    </message>
    <message>
        <source>All the programs in the Quorvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Все программы набора Quorvane Softwares просты и удобны. Они не только увлекательны, но и очень познавательны. Попробуйте их сегодня и поделитесь впечатлениями с друзьями и близкими. </translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Перейти на %1</translation>
    </message>
</context>
<context>
    <name>QuestionWindow</name>
    <message>
        <source>Animals</source>
        <translation>Животные</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Monkey</source>
        <translation>Обезьяна</translation>
    </message>
    <message>
        <source>Monkey - Your Offspring</source>
        <translation>Обезьяна - Ваши дети</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Lion - Your Dignity</source>
        <translation>Лев - Ваше достоинство</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Корова</translation>
    </message>
    <message>
        <source>Cow - Your Simple Wants</source>
        <translation>Корова - Ваши простые нужды</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Овца</translation>
    </message>
    <message>
        <source>Sheep - Your Friendship</source>
        <translation>Овца - Ваша дружба</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Лошадь</translation>
    </message>
    <message>
        <source>Horse - Your Obsession</source>
        <translation>Лошадь - Ваша страсть</translation>
    </message>
    <message>
        <source>Now you need to make a tough decision and leave one of the animals behind. Select the suitable option and click on Next.</source>
        <translation>Теперь вам предстоит принять трудное решение и оставить одно из животных. Выберите подходящий вариант и нажмите «Далее».</translation>
    </message>
    <message>
        <source>Now you have four animals left with you. You are growing tired by the minute and realize that you will have to give up one more animal.<byte value="xd"/>
Choose one of the below</source>
        <translation>С вами осталось четыре животных. С каждой минутой вы устаёте всё сильнее и понимаете, что придётся отказаться ещё от одного.<byte value="xd"/>
Выберите одно из них</translation>
    </message>
    <message>
        <source>You have three animals with you now. You are walking away but can see no civilization for miles. The water is almost gone. It&apos;s time to let go of one more animal.</source>
        <translation>С вами осталось три животных. Вы идёте дальше, но на много километров вокруг не видно никаких следов цивилизации. Вода почти закончилась. Пора отпустить ещё одно животное.</translation>
    </message>
    <message>
        <source>You have two animals with you now. You have to make the tough decision of letting go of one as you barely have any water left.</source>
        <translation>С вами осталось два животных. Воды почти не осталось, и вам предстоит трудное решение — отпустить одно из них.</translation>
    </message>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. Take the test now and have fun!</source>
        <translation>QV Tavrisk — увлекательная игра, которая расскажет, что для вас по-настоящему ценно. Пройдите тест прямо сейчас!</translation>
    </message>
    <message>
        <source>Imagine you are traveling in a desert with five animals. You are tired and have very less water. The only way you will survive this journey is by letting the animals go.</source>
        <translation>Представьте, что вы идёте через пустыню с пятью животными. Вы устали, и воды осталось совсем мало. Выжить в этом путешествии можно, только отпуская животных.</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>&amp;Результат</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail друга</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес e-mail не может содержать пробелы</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Введите два разных адреса e-mail</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Введите правильный адрес e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Введите ваше имя</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Введите ваш e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Введите сообщение</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Введите имя друга</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Введите e-mail друга</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Возможно, для этой программы есть обновление<byte value="xd"/>Проверить наличие обновления?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>QV Tavrisk Result</source>
        <translation>Результат QV Tavrisk</translation>
    </message>
    <message>
        <source>This test is based on the Japanese Animal Archetypes. The desert represents a difficult circumstance in life. Each animal stands for the different characteristics in your life. The one that you sacrificed initially is what is least important to you. The one that you keep with you till the last is the most important to you.</source>
        <translation>Этот тест основан на японских архетипах животных. Пустыня — это трудные обстоятельства в жизни. Каждое животное олицетворяет одну из сторон вашей жизни. То, которым вы пожертвовали первым, для вас наименее важно. То, которое вы сохранили до конца, для вас важнее всего.</translation>
    </message>
    <message>
        <source>Each Animal Represents the Following:</source>
        <translation>Что означает каждое животное:</translation>
    </message>
    <message>
        <source>You chose the animals in the following order:</source>
        <translation>Вы выбирали животных в таком порядке:</translation>
    </message>
    <message>
        <source>You value the different characteristics in the following order:</source>
        <translation>Ваши ценности в порядке важности:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
</context>
</TS>
