<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutBox</name>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. This is a personality test based on Japanese Animal Archetypes. All rights in this program belong to its publisher, Quorvane Softwares.</source>
        <translation>إن QV Tavrisk لعبة ممتعة تكشف لك المزيد عمّا هو ثمين في حياتك. إنه اختبار للشخصية قائم على النماذج الحيوانية اليابانية. جميع الحقوق في هذا البرنامج محفوظة لناشره Quorvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>انقر هنا لزيارة %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>انقر هنا لمزيد من التفاصيل</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>فرصة عمل من المنزل: ابدأ مشروعك الخاص على الإنترنت واكسب المال عبر الشبكة. احصل على هذا البرنامج باسم موقعك وعلامته.</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Application is already running</source>
        <translation>التطبيق قيد التشغيل بالفعل</translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>برامج Quorvane</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>انقر هنا لزيارة Quorvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>رشّح البرنامج لصديق</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;رشّح الآن</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>م&amp;ساعدة على الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;زُر موقعنا</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;تحقق من وجود تحديث</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>تحقق من وجود ت&amp;حديث</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;عن البرنامج</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>ت&amp;برّع</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ا&amp;كسب المال عبر الإنترنت</translation>
    </message>
</context>
<context>
    <name>Promotion</name>
    <message>
        <source>The Most Popular Online Quorvane Discussion Board. Best Resource For Everything Quorvane. Visit %1 Now</source>
        <translation>منتدى Quorvane الأكثر شعبية على الإنترنت. أفضل مصدر لكل ما يخص Quorvane. زُر %1 الآن</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>فرصة عمل من المنزل: ابدأ مشروعك الخاص على الإنترنت واكسب المال عبر الشبكة. احصل على هذا البرنامج باسم موقعك وعلامته. انقر هنا لمزيد من التفاصيل.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ضع علامة موقعك على هذا البرنامج.  زِد ولاء زوارك وعددهم. ضع هنا اسم موقعك &amp;&amp;  رابطه. راجع «المساعدة» للتفاصيل.    انقر هنا لمعرفة المزيد عن العلامة المشتركة.</translation>
    </message>
    <message>
        <source>Quorvane Softwares, such as this can be created and maintained only with your support. The best way to support Quorvane is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <translation>لا يمكن إنشاء برامج Quorvane مثل هذا البرنامج وصيانتها إلا بدعمك. وأفضل طريقة لدعم Quorvane هي زيارة %1 بانتظام والمشاركة في النقاشات والأنشطة الأخرى في المنتدى.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting %1</source>
        <translation>زُر %1 بانتظام. ادعم %1 بالمشاركة في النقاشات والأنشطة الأخرى. لا يمكن دعم هذه البرامج وصيانتها من دون زياراتك المنتظمة إلى %1</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all things quorvane. To help %1 develop and maintain this software visit Quorvane regularly.</source>
        <translation>يُعدّ %1 منتدى نقاش مجانيًا على الإنترنت لكل ما يخص Quorvane. لمساعدة %1 على تطوير هذا البرنامج وصيانته، زُر Quorvane بانتظام.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activites to help us maintain and develop more Quorvane Softwares.</source>
        <translation>يحتاج %1 إلى مساعدتك. كل ما عليك هو زيارة %1 بانتظام والمشاركة في النقاشات والأنشطة المختلفة لتساعدنا على صيانة برامج Quorvane وتطوير المزيد منها.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quorvane Softwares. From a single software, we have now grown to become the world’s largest resource of quorvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>إن استمتعت بهذا البرنامج فستهمك بالتأكيد برامج Quorvane الأخرى. بدأنا ببرنامج واحد، وأصبحنا اليوم أكبر مصدر في العالم لبرامج Quorvane. سواء كان اهتمامك بالتنجيم أو الحدس أو التاروت أو علم الأعداد أو الغيبيات، لدينا برامج في كل المجالات تمنح مستخدمينا خيارات واسعة حسب اهتماماتهم.</translation>
    </message>
    <message>
        <source>All the programs in the Quorvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>جميع برامج مجموعة Quorvane Softwares بسيطة وسهلة الاستخدام، وهي ممتعة ومفيدة في آن واحد. جرّبها اليوم وشارك تجربتك مع أصدقائك وعائلتك. </translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>زُر %1 الآن</translation>
    </message>
</context>
<context>
    <name>QuestionWindow</name>
    <message>
        <source>Animals</source>
        <translation>الحيوانات</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Monkey</source>
        <translation>القرد</translation>
    </message>
    <message>
        <source>Monkey - Your Offspring</source>
        <translation>القرد - أبناؤك</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>الأسد</translation>
    </message>
    <message>
        <source>Lion - Your Dignity</source>
        <translation>الأسد - كرامتك</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>البقرة</translation>
    </message>
    <message>
        <source>Cow - Your Simple Wants</source>
        <translation>البقرة - حاجاتك البسيطة</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>الخروف</translation>
    </message>
    <message>
        <source>Sheep - Your Friendship</source>
        <translation>الخروف - صداقتك</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>الحصان</translation>
    </message>
    <message>
        <source>Horse - Your Obsession</source>
        <translation>الحصان - شغفك</translation>
    </message>
    <message>
        <source>Now you need to make a tough decision and leave one of the animals behind. Select the suitable option and click on Next.</source>
        <translation>عليك الآن أن تتخذ قرارًا صعبًا وتترك أحد الحيوانات خلفك. اختر ما يناسبك وانقر «التالي».</translation>
    </message>
    <message>
        <source>Now you have four animals left with you. You are growing tired by the minute and realize that you will have to give up one more animal.<byte value="xd"/>
Choose one of the below</source>
        <translation>بقيت معك الآن أربعة حيوانات. يزداد تعبك دقيقة بعد دقيقة، وتدرك أن عليك التخلي عن حيوان آخر.<byte value="xd"/>
اختر واحدًا مما يلي</translation>
    </message>
    <message>
        <source>You have three animals with you now. You are walking away but can see no civilization for miles. The water is almost gone. It&apos;s time to let go of one more animal.</source>
        <translation>بقيت معك الآن ثلاثة حيوانات. تواصل السير ولا ترى أثرًا للعمران على مدى أميال. نفد الماء تقريبًا. حان وقت التخلي عن حيوان آخر.</translation>
    </message>
    <message>
        <source>You have two animals with you now. You have to make the tough decision of letting go of one as you barely have any water left.</source>
        <translation>بقي معك الآن حيوانان. عليك أن تتخذ القرار الصعب بالتخلي عن أحدهما، فلم يبقَ لديك من الماء إلا القليل.</translation>
    </message>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. Take the test now and have fun!</source>
        <translation>إن QV Tavrisk لعبة ممتعة تكشف لك المزيد عمّا هو ثمين في حياتك. خُض الاختبار الآن واستمتع!</translation>
    </message>
    <message>
        <source>Imagine you are traveling in a desert with five animals. You are tired and have very less water. The only way you will survive this journey is by letting the animals go.</source>
        <translation>تخيّل أنك تسافر في صحراء ومعك خمسة حيوانات. أنت متعب ولم يبقَ معك إلا القليل من الماء. السبيل الوحيد لتنجو من هذه الرحلة هو أن تتخلى عن الحيوانات.</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>ال&amp;تالي</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>اعرض ال&amp;نتيجة</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>بريد صديقك الإلكتروني</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>لا يمكن أن يحتوي البريد الإلكتروني على مسافة</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>يُرجى إدخال عنوانَي بريد مختلفين</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>يُرجى إدخال بريد إلكتروني صحيح</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>يُرجى إدخال اسمك</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>يُرجى إدخال بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>يُرجى إدخال رسالتك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>يُرجى إدخال اسم صديقك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>يُرجى إدخال بريد صديقك الإلكتروني</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>قد يتوفر تحديث لهذا البرنامج<byte value="xd"/>هل تريد البحث عن تحديث؟</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>QV Tavrisk Result</source>
        <translation>نتيجة QV Tavrisk</translation>
    </message>
    <message>
        <source>This test is based on the Japanese Animal Archetypes. The desert represents a difficult circumstance in life. Each animal stands for the different characteristics in your life. The one that you sacrificed initially is what is least important to you. The one that you keep with you till the last is the most important to you.</source>
        <translation>يقوم هذا الاختبار على النماذج الحيوانية اليابانية. تمثّل الصحراء ظرفًا صعبًا في الحياة، ويرمز كل حيوان إلى جانب مختلف من حياتك. الحيوان الذي ضحّيت به أولًا هو الأقل أهمية لك، والذي أبقيته معك حتى النهاية هو الأهم لك.</translation>
    </message>
    <message>
        <source>Each Animal Represents the Following:</source>
        <translation>ما يمثّله كل حيوان:</translation>
    </message>
    <message>
        <source>You chose the animals in the following order:</source>
        <translation>اخترت الحيوانات بهذا الترتيب:</translation>
    </message>
    <message>
        <source>You value the different characteristics in the following order:</source>
        <translation>ترتيب ما تقدّره في حياتك:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
</context>
</TS>
