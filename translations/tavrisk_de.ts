<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. This is a personality test based on Japanese Animal Archetypes. All rights in this program belong to its publisher, Quorvane Softwares.</source>
        <translation>QV Tavrisk ist ein unterhaltsames Spiel und verrät Ihnen mehr darüber, was Ihnen wertvoll ist. Es ist ein Persönlichkeitstest nach den japanischen Tier-Archetypen. Alle Rechte an diesem Programm liegen bei seinem Herausgeber, Quorvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Hier klicken, um %1 zu besuchen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz in der Marke Ihrer Website.</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Application is already running</source>
        <translation>Die Anwendung läuft bereits</translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Quorvane Softwares laden</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Quorvane Softwares besuchen</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt einem Freund empfehlen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Besuchen Sie uns online</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Nach Software-Updates suchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach Software-&amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Über die &amp;Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>S&amp;penden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Geld &amp;online verdienen</translation>
    </message>
</context>
<context>
    <name>Promotion</name>
    <message>
        <source>The Most Popular Online Quorvane Discussion Board. Best Resource For Everything Quorvane. Visit %1 Now</source>
        <translation>Das beliebteste Online-Diskussionsforum rund um Quorvane. Die beste Quelle für alles über Quorvane. Besuchen Sie jetzt %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz in der Marke Ihrer Website. Hier klicken für weitere Einzelheiten.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ihre Marke auf dieser Software.  Mehr Treue und Besucher für Ihre Website. Name &amp;&amp;  Link Ihrer Website hier. Details unter „Hilfe“.    Hier klicken für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Quorvane Softwares, such as this can be created and maintained only with your support. The best way to support Quorvane is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <translation>Quorvane Softwares wie diese können nur mit Ihrer Unterstützung entstehen und gepflegt werden. Am besten unterstützen Sie Quorvane, indem Sie regelmäßig %1 besuchen und sich an den Diskussionen und anderen Aktivitäten im Forum beteiligen.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting %1</source>
        <translation>Besuchen Sie regelmäßig %1. Unterstützen Sie %1, indem Sie sich an den Diskussionen und anderen Aktivitäten beteiligen. Ohne Ihre regelmäßigen Besuche auf %1 können diese Programme nicht weiter gepflegt werden.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all things quorvane. To help %1 develop and maintain this software visit Quorvane regularly.</source>
        <translation>%1 ist ein KOSTENLOSES Online-Diskussionsforum für alles rund um Quorvane. Damit %1 diese Software weiterentwickeln und pflegen kann, besuchen Sie Quorvane regelmäßig.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activites to help us maintain and develop more Quorvane Softwares.</source>
        <translation>%1 braucht Ihre Hilfe. Besuchen Sie einfach regelmäßig %1 und beteiligen Sie sich an den Diskussionen und Aktivitäten, damit wir weitere Quorvane Softwares pflegen und entwickeln können.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quorvane Softwares. From a single software, we have now grown to become the world’s largest resource of quorvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Wenn Ihnen diese Software gefallen hat, werden Sie sich sicher auch für unsere anderen Quorvane Softwares interessieren. Aus einer einzigen Software ist inzwischen die weltweit größte Sammlung von Quorvane-Software geworden. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes: Wir haben Programme für alle Bereiche und bieten unseren Nutzern so eine große Auswahl nach ihren Interessen.</translation>
    </message>
    <message>
        <source>All the programs in the Quorvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Alle Programme der Quorvane-Softwares-Reihe sind einfach zu bedienen. Sie machen nicht nur Spaß, sondern sind auch sehr aufschlussreich. Probieren Sie sie noch heute aus und teilen Sie Ihre Erfahrungen mit Freunden und Familie. </translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Jetzt %1 besuchen</translation>
    </message>
</context>
<context>
    <name>QuestionWindow</name>
    <message>
        <source>Animals</source>
        <translation>Tiere</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Monkey</source>
        <translation>Affe</translation>
    </message>
    <message>
        <source>Monkey - Your Offspring</source>
        <translation>Affe - Ihre Nachkommen</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Lion - Your Dignity</source>
        <translation>Löwe - Ihre Würde</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Kuh</translation>
    </message>
    <message>
        <source>Cow - Your Simple Wants</source>
        <translation>Kuh - Ihre einfachen Wünsche</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Schaf</translation>
    </message>
    <message>
        <source>Sheep - Your Friendship</source>
        <translation>Schaf - Ihre Freundschaft</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Pferd</translation>
    </message>
    <message>
        <source>Horse - Your Obsession</source>
        <translation>Pferd - Ihre Leidenschaft</translation>
    </message>
    <message>
        <source>Now you need to make a tough decision and leave one of the animals behind. Select the suitable option and click on Next.</source>
        <translation>Jetzt müssen Sie eine schwere Entscheidung treffen und eines der Tiere zurücklassen. Wählen Sie eine Möglichkeit und klicken Sie auf Weiter.</translation>
    </message>
    <message>
        <source>Now you have four animals left with you. You are growing tired by the minute and realize that you will have to give up one more animal.<byte value="xd"/>
Choose one of the below</source>
        <translation>Jetzt sind noch vier Tiere bei Ihnen. Sie werden mit jeder Minute müder und merken, dass Sie ein weiteres Tier aufgeben müssen.<byte value="xd"/>
Wählen Sie eines der folgenden</translation>
    </message>
    <message>
        <source>You have three animals with you now. You are walking away but can see no civilization for miles. The water is almost gone. It&apos;s time to let go of one more animal.</source>
        <translation>Sie haben jetzt noch drei Tiere bei sich. Sie gehen weiter, aber meilenweit ist keine Zivilisation zu sehen. Das Wasser ist fast aufgebraucht. Es ist Zeit, ein weiteres Tier gehen zu lassen.</translation>
    </message>
    <message>
        <source>You have two animals with you now. You have to make the tough decision of letting go of one as you barely have any water left.</source>
        <translation>Sie haben jetzt noch zwei Tiere bei sich. Sie müssen die schwere Entscheidung treffen, eines gehen zu lassen, denn Sie haben kaum noch Wasser.</translation>
    </message>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. Take the test now and have fun!</source>
        <translation>QV Tavrisk ist ein unterhaltsames Spiel und verrät Ihnen mehr darüber, was Ihnen wertvoll ist. Machen Sie jetzt den Test und haben Sie Spaß!</translation>
    </message>
    <message>
        <source>Imagine you are traveling in a desert with five animals. You are tired and have very less water. The only way you will survive this journey is by letting the animals go.</source>
        <translation>Stellen Sie sich vor, Sie reisen mit fünf Tieren durch eine Wüste. Sie sind müde und haben nur noch sehr wenig Wasser. Sie überleben diese Reise nur, wenn Sie die Tiere gehen lassen.</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>&amp;Ergebnis anzeigen</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf kein Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Möglicherweise ist ein Update für diese Software verfügbar<byte value="xd"/>Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>QV Tavrisk Result</source>
        <translation>QV Tavrisk-Ergebnis</translation>
    </message>
    <message>
        <source>This test is based on the Japanese Animal Archetypes. The desert represents a difficult circumstance in life. Each animal stands for the different characteristics in your life. The one that you sacrificed initially is what is least important to you. The one that you keep with you till the last is the most important to you.</source>
        <translation>Dieser Test beruht auf den japanischen Tier-Archetypen. Die Wüste steht für eine schwierige Lage im Leben. Jedes Tier steht für eine andere Seite Ihres Lebens. Das Tier, das Sie zuerst geopfert haben, ist Ihnen am wenigsten wichtig. Das Tier, das Sie bis zuletzt bei sich behalten, ist Ihnen am wichtigsten.</translation>
    </message>
    <message>
        <source>Each Animal Represents the Following:</source>
        <translation>Jedes Tier steht für Folgendes:</translation>
    </message>
    <message>
        <source>You chose the animals in the following order:</source>
        <translation>Sie haben die Tiere in dieser Reihenfolge gewählt:</translation>
    </message>
    <message>
        <source>You value the different characteristics in the following order:</source>
        <translation>Sie gewichten die verschiedenen Eigenschaften in dieser Reihenfolge:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
</TS>
