<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. This is a personality test based on Japanese Animal Archetypes. All rights in this program belong to its publisher, Quorvane Softwares.</source>
        <translation>QV Tavrisk est un jeu amusant qui vous en apprend davantage sur ce qui vous est précieux. C’est un test de personnalité fondé sur les archétypes animaux japonais. Tous les droits sur ce programme appartiennent à son éditeur, Quorvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Cliquez ici pour en savoir plus</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Une activité à domicile : lancez votre propre affaire sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site.</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà en cours d’exécution</translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Logiciels Quorvane</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Visiter Quorvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recommander &amp;maintenant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitez notre site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l’argent en lig&amp;ne</translation>
    </message>
</context>
<context>
    <name>Promotion</name>
    <message>
        <source>The Most Popular Online Quorvane Discussion Board. Best Resource For Everything Quorvane. Visit %1 Now</source>
        <translation>Le forum de discussion Quorvane le plus populaire. La meilleure ressource pour tout ce qui touche à Quorvane. Visitez %1 dès maintenant</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Une activité à domicile : lancez votre propre affaire sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ce logiciel à vos couleurs.  Fidélisez vos visiteurs, augmentez votre trafic. Le nom &amp;&amp;  le lien de votre site ici. Détails dans « Aide ».    Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Quorvane Softwares, such as this can be created and maintained only with your support. The best way to support Quorvane is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <translation>Les logiciels Quorvane comme celui-ci ne peuvent être créés et entretenus qu’avec votre soutien. La meilleure façon de soutenir Quorvane est de visiter %1 régulièrement et de participer aux discussions et aux autres activités du forum.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting %1</source>
        <translation>Visitez %1 régulièrement. Soutenez %1 en participant aux discussions et aux autres activités. Sans vos visites régulières sur %1, ces logiciels ne peuvent être ni soutenus ni entretenus.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all things quorvane. To help %1 develop and maintain this software visit Quorvane regularly.</source>
        <translation>%1 est un forum de discussion GRATUIT pour tout ce qui touche à Quorvane. Pour aider %1 à développer et entretenir ce logiciel, visitez Quorvane régulièrement.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activites to help us maintain and develop more Quorvane Softwares.</source>
        <translation>%1 a besoin de votre aide. Il vous suffit de visiter %1 régulièrement et de participer aux discussions et activités pour nous aider à entretenir et à créer d’autres logiciels Quorvane.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quorvane Softwares. From a single software, we have now grown to become the world’s largest resource of quorvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Si ce logiciel vous a plu, nos autres logiciels Quorvane vous intéresseront sûrement. Partis d’un seul logiciel, nous sommes devenus la plus grande ressource mondiale de logiciels Quorvane. Astrologie, voyance, tarot, numérologie ou ésotérisme : nous avons des programmes dans tous les domaines, pour offrir à nos utilisateurs un large choix selon leurs centres d’intérêt.</translation>
    </message>
    <message>
        <source>All the programs in the Quorvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Tous les programmes de la gamme Quorvane Softwares sont simples et faciles à utiliser. Ils sont aussi amusants qu’instructifs. Essayez-les dès aujourd’hui et partagez votre expérience avec vos amis et votre famille. </translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Visitez %1 maintenant</translation>
    </message>
</context>
<context>
    <name>QuestionWindow</name>
    <message>
        <source>Animals</source>
        <translation>Animaux</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Monkey</source>
        <translation>Singe</translation>
    </message>
    <message>
        <source>Monkey - Your Offspring</source>
        <translation>Singe - Vos enfants</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Lion - Your Dignity</source>
        <translation>Lion - Votre dignité</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Vache</translation>
    </message>
    <message>
        <source>Cow - Your Simple Wants</source>
        <translation>Vache - Vos besoins simples</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Mouton</translation>
    </message>
    <message>
        <source>Sheep - Your Friendship</source>
        <translation>Mouton - Votre amitié</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cheval</translation>
    </message>
    <message>
        <source>Horse - Your Obsession</source>
        <translation>Cheval - Votre passion</translation>
    </message>
    <message>
        <source>Now you need to make a tough decision and leave one of the animals behind. Select the suitable option and click on Next.</source>
        <translation>Vous devez maintenant prendre une décision difficile et abandonner l’un des animaux. Choisissez l’option qui vous convient et cliquez sur Suivant.</translation>
    </message>
    <message>
        <source>Now you have four animals left with you. You are growing tired by the minute and realize that you will have to give up one more animal.<byte value="xd"/>
Choose one of the below</source>
        <translation>Il vous reste maintenant quatre animaux. Vous êtes de plus en plus fatigué et comprenez que vous devrez en abandonner un autre.<byte value="xd"/>
Choisissez-en un ci-dessous</translation>
    </message>
    <message>
        <source>You have three animals with you now. You are walking away but can see no civilization for miles. The water is almost gone. It&apos;s time to let go of one more animal.</source>
        <translation>Il vous reste maintenant trois animaux. Vous avancez, mais aucune trace de civilisation à des kilomètres. L’eau est presque épuisée. Il est temps de laisser partir un autre animal.</translation>
    </message>
    <message>
        <source>You have two animals with you now. You have to make the tough decision of letting go of one as you barely have any water left.</source>
        <translation>Il vous reste maintenant deux animaux. Vous devez prendre la décision difficile d’en laisser partir un, car il ne vous reste presque plus d’eau.</translation>
    </message>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. Take the test now and have fun!</source>
        <translation>QV Tavrisk est un jeu amusant qui vous en apprend davantage sur ce qui vous est précieux. Faites le test maintenant et amusez-vous bien !</translation>
    </message>
    <message>
        <source>Imagine you are traveling in a desert with five animals. You are tired and have very less water. The only way you will survive this journey is by letting the animals go.</source>
        <translation>Imaginez que vous traversez un désert avec cinq animaux. Vous êtes fatigué et il vous reste très peu d’eau. La seule façon de survivre à ce voyage est de laisser partir les animaux.</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>Voir le &amp;résultat</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Une adresse e-mail ne peut pas contenir d’espace</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible<byte value="xd"/>Voulez-vous rechercher une mise à jour ?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>QV Tavrisk Result</source>
        <translation>Résultat QV Tavrisk</translation>
    </message>
    <message>
        <source>This test is based on the Japanese Animal Archetypes. The desert represents a difficult circumstance in life. Each animal stands for the different characteristics in your life. The one that you sacrificed initially is what is least important to you. The one that you keep with you till the last is the most important to you.</source>
        <translation>Ce test repose sur les archétypes animaux japonais. Le désert représente une situation difficile de la vie. Chaque animal représente un aspect différent de votre vie. Celui que vous avez sacrifié en premier est ce qui compte le moins pour vous. Celui que vous gardez jusqu’au bout est ce qui compte le plus.</translation>
    </message>
    <message>
        <source>Each Animal Represents the Following:</source>
        <translation>Ce que représente chaque animal :</translation>
    </message>
    <message>
        <source>You chose the animals in the following order:</source>
        <translation>Vous avez choisi les animaux dans cet ordre :</translation>
    </message>
    <message>
        <source>You value the different characteristics in the following order:</source>
        <translation>Vous accordez de l’importance aux aspects dans cet ordre :</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
</context>
</TS>
