<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. This is a personality test based on Japanese Animal Archetypes. All rights in this program belong to its publisher, Quorvane Softwares.</source>
        <translation>QV Tavrisk es un juego divertido que te revela más sobre lo que es valioso para ti. Es un test de personalidad basado en los arquetipos animales japoneses. Todos los derechos de este programa pertenecen a su editor, Quorvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haz clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Haz clic aquí para saber más</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Una oportunidad de negocio desde casa: crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu sitio web.</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Programas Quorvane</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Visita Quorvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomienda a un amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recomendar a&amp;hora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita nuestro sitio</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca del &amp;programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gana dinero en línea</translation>
    </message>
</context>
<context>
    <name>Promotion</name>
    <message>
        <source>The Most Popular Online Quorvane Discussion Board. Best Resource For Everything Quorvane. Visit %1 Now</source>
        <translation>El foro de debate Quorvane más popular de Internet. El mejor recurso para todo lo relacionado con Quorvane. Visita %1 ahora</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Una oportunidad de negocio desde casa: crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu sitio web. Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Este programa con tu marca.  Más fidelidad y visitas para tu sitio. Pon aquí el nombre &amp;&amp;  el enlace de tu sitio. Detalles en «Ayuda».    Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>Quorvane Softwares, such as this can be created and maintained only with your support. The best way to support Quorvane is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas Quorvane como este solo pueden crearse y mantenerse con tu apoyo. La mejor forma de apoyar a Quorvane es visitar %1 con regularidad y participar en los debates y las demás actividades del foro.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting %1</source>
        <translation>Visita %1 con regularidad. Apoya a %1 participando en los debates y otras actividades. Sin tus visitas regulares a %1, estos programas no pueden mantenerse ni recibir soporte.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all things quorvane. To help %1 develop and maintain this software visit Quorvane regularly.</source>
        <translation>%1 es un foro de debate GRATUITO sobre todo lo relacionado con Quorvane. Para ayudar a %1 a desarrollar y mantener este programa, visita Quorvane con regularidad.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activites to help us maintain and develop more Quorvane Softwares.</source>
        <translation>%1 necesita tu ayuda. Solo tienes que visitar %1 con regularidad y participar en los debates y actividades para ayudarnos a mantener y crear más programas Quorvane.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quorvane Softwares. From a single software, we have now grown to become the world’s largest resource of quorvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Si te ha gustado este programa, seguro que te interesarán nuestros otros programas Quorvane. Empezamos con un solo programa y hoy somos el mayor recurso del mundo en programas Quorvane. Astrología, videncia, tarot, numerología u ocultismo: tenemos programas en todos los campos, para que nuestros usuarios elijan según sus intereses.</translation>
    </message>
    <message>
        <source>All the programs in the Quorvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Todos los programas de la colección Quorvane Softwares son sencillos y fáciles de usar. Además de divertidos, son muy instructivos. Pruébalos hoy mismo y comparte tu experiencia con tus amigos y tu familia. </translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Visita %1 ahora</translation>
    </message>
</context>
<context>
    <name>QuestionWindow</name>
    <message>
        <source>Animals</source>
        <translation>Animales</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Monkey</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Monkey - Your Offspring</source>
        <translation>Mono - Tus hijos</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>León</translation>
    </message>
    <message>
        <source>Lion - Your Dignity</source>
        <translation>León - Tu dignidad</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Vaca</translation>
    </message>
    <message>
        <source>Cow - Your Simple Wants</source>
        <translation>Vaca - Tus necesidades básicas</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Oveja</translation>
    </message>
    <message>
        <source>Sheep - Your Friendship</source>
        <translation>Oveja - Tu amistad</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Caballo</translation>
    </message>
    <message>
        <source>Horse - Your Obsession</source>
        <translation>Caballo - Tu pasión</translation>
    </message>
    <message>
        <source>Now you need to make a tough decision and leave one of the animals behind. Select the suitable option and click on Next.</source>
        <translation>Ahora tienes que tomar una decisión difícil y dejar atrás a uno de los animales. Elige la opción que prefieras y haz clic en Siguiente.</translation>
    </message>
    <message>
        <source>Now you have four animals left with you. You are growing tired by the minute and realize that you will have to give up one more animal.<byte value="xd"/>
Choose one of the below</source>
        <translation>Ahora te quedan cuatro animales. Cada minuto estás más cansado y te das cuenta de que tendrás que renunciar a otro animal.<byte value="xd"/>
Elige uno de los siguientes</translation>
    </message>
    <message>
        <source>You have three animals with you now. You are walking away but can see no civilization for miles. The water is almost gone. It&apos;s time to let go of one more animal.</source>
        <translation>Ahora te quedan tres animales. Sigues caminando, pero no ves rastro de civilización en kilómetros. El agua casi se ha acabado. Es hora de dejar ir a otro animal.</translation>
    </message>
    <message>
        <source>You have two animals with you now. You have to make the tough decision of letting go of one as you barely have any water left.</source>
        <translation>Ahora te quedan dos animales. Tienes que tomar la difícil decisión de dejar ir a uno, porque apenas te queda agua.</translation>
    </message>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. Take the test now and have fun!</source>
        <translation>QV Tavrisk es un juego divertido que te revela más sobre lo que es valioso para ti. ¡Haz el test ahora y diviértete!</translation>
    </message>
    <message>
        <source>Imagine you are traveling in a desert with five animals. You are tired and have very less water. The only way you will survive this journey is by letting the animals go.</source>
        <translation>Imagina que cruzas un desierto con cinco animales. Estás cansado y te queda muy poca agua. La única forma de sobrevivir al viaje es dejar ir a los animales.</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Si&amp;guiente</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>Ver el &amp;resultado</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo de tu amigo</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>El correo electrónico no puede contener espacios</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escribe dos correos electrónicos distintos</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escribe un correo electrónico válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escribe tu correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escribe el nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escribe el correo de tu amigo</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización de este programa<byte value="xd"/>¿Quieres buscar una actualización?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>QV Tavrisk Result</source>
        <translation>Resultado de QV Tavrisk</translation>
    </message>
    <message>
        <source>This test is based on the Japanese Animal Archetypes. The desert represents a difficult circumstance in life. Each animal stands for the different characteristics in your life. The one that you sacrificed initially is what is least important to you. The one that you keep with you till the last is the most important to you.</source>
        <translation>Este test se basa en los arquetipos animales japoneses. El desierto representa una situación difícil de la vida. Cada animal representa un aspecto distinto de tu vida. El que sacrificaste primero es lo que menos te importa. El que conservas hasta el final es lo que más te importa.</translation>
    </message>
    <message>
        <source>Each Animal Represents the Following:</source>
        <translation>Lo que representa cada animal:</translation>
    </message>
    <message>
        <source>You chose the animals in the following order:</source>
        <translation>Elegiste los animales en este orden:</translation>
    </message>
    <message>
        <source>You value the different characteristics in the following order:</source>
        <translation>Valoras los distintos aspectos en este orden:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
</context>
</TS>
