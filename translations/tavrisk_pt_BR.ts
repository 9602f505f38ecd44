<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. This is a personality test based on Japanese Animal Archetypes. All rights in this program belong to its publisher, Quorvane Softwares.</source>
        <translation>QV Tavrisk é um jogo divertido que revela mais sobre o que é precioso para você. É um teste de personalidade baseado nos arquétipos animais japoneses. Todos os direitos deste programa pertencem à sua editora, Quorvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Clique aqui para visitar %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Clique aqui para saber mais</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa: abra seu próprio negócio na Internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site.</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
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
        <translation>Visite a Quorvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique a um amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Indicar agora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Verificar a&amp;tualizações</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhe dinheiro on-line</translation>
    </message>
</context>
<context>
    <name>Promotion</name>
    <message>
        <source>The Most Popular Online Quorvane Discussion Board. Best Resource For Everything Quorvane. Visit %1 Now</source>
        <translation>O fórum de discussão Quorvane mais popular da Internet. O melhor recurso para tudo sobre Quorvane. Visite %1 agora</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa: abra seu próprio negócio na Internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Este programa com a sua marca.  Mais fidelidade e tráfego para o seu site. O nome &amp;&amp;  o link do seu site aqui. Detalhes em “Ajuda”.    Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Quorvane Softwares, such as this can be created and maintained only with your support. The best way to support Quorvane is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas Quorvane como este só podem ser criados e mantidos com o seu apoio. A melhor forma de apoiar a Quorvane é visitar %1 regularmente e participar das discussões e das outras atividades do fórum.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting %1</source>
        <translation>Visite %1 regularmente. Apoie %1 participando das discussões e de outras atividades. Sem as suas visitas regulares a %1, estes programas não podem ser mantidos nem receber suporte.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all things quorvane. To help %1 develop and maintain this software visit Quorvane regularly.</source>
        <translation>%1 é um fórum de discussão GRATUITO sobre tudo o que envolve Quorvane. Para ajudar %1 a desenvolver e manter este programa, visite a Quorvane regularmente.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activites to help us maintain and develop more Quorvane Softwares.</source>
        <translation>%1 precisa da sua ajuda. Basta visitar %1 regularmente e participar das discussões e atividades para nos ajudar a manter e criar mais programas Quorvane.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quorvane Softwares. From a single software, we have now grown to become the world’s largest resource of quorvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Se você gostou deste programa, com certeza vai se interessar pelos nossos outros programas Quorvane. Começamos com um único programa e hoje somos o maior acervo de programas Quorvane do mundo. Astrologia, vidência, tarô, numerologia ou ocultismo: temos programas em todas as áreas, para que nossos usuários escolham conforme seus interesses.</translation>
    </message>
    <message>
        <source>All the programs in the Quorvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Todos os programas da coleção Quorvane Softwares são simples e fáceis de usar. Além de divertidos, são muito informativos. Experimente hoje mesmo e compartilhe sua experiência com seus amigos e sua família. </translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Visite %1 agora</translation>
    </message>
</context>
<context>
    <name>QuestionWindow</name>
    <message>
        <source>Animals</source>
        <translation>Animais</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Monkey</source>
        <translation>Macaco</translation>
    </message>
    <message>
        <source>Monkey - Your Offspring</source>
        <translation>Macaco - Seus filhos</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Lion - Your Dignity</source>
        <translation>Leão - Sua dignidade</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Vaca</translation>
    </message>
    <message>
        <source>Cow - Your Simple Wants</source>
        <translation>Vaca - Suas necessidades simples</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Ovelha</translation>
    </message>
    <message>
        <source>Sheep - Your Friendship</source>
        <translation>Ovelha - Sua amizade</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cavalo</translation>
    </message>
    <message>
        <source>Horse - Your Obsession</source>
        <translation>Cavalo - Sua paixão</translation>
    </message>
    <message>
        <source>Now you need to make a tough decision and leave one of the animals behind. Select the suitable option and click on Next.</source>
        <translation>Agora você precisa tomar uma decisão difícil e deixar um dos animais para trás. Escolha a opção que preferir e clique em Avançar.</translation>
    </message>
    <message>
        <source>Now you have four animals left with you. You are growing tired by the minute and realize that you will have to give up one more animal.<byte value="xd"/>
Choose one of the below</source>
        <translation>Agora restam quatro animais com você. A cada minuto você fica mais cansado e percebe que terá de abrir mão de mais um animal.<byte value="xd"/>
Escolha um dos animais abaixo</translation>
    </message>
    <message>
        <source>You have three animals with you now. You are walking away but can see no civilization for miles. The water is almost gone. It&apos;s time to let go of one more animal.</source>
        <translation>Agora restam três animais com você. Você segue caminhando, mas não vê sinal de civilização por quilômetros. A água está quase no fim. É hora de deixar mais um animal para trás.</translation>
    </message>
    <message>
        <source>You have two animals with you now. You have to make the tough decision of letting go of one as you barely have any water left.</source>
        <translation>Agora restam dois animais com você. Você precisa tomar a difícil decisão de deixar um deles, pois quase não resta água.</translation>
    </message>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. Take the test now and have fun!</source>
        <translation>QV Tavrisk é um jogo divertido que revela mais sobre o que é precioso para você. Faça o teste agora e divirta-se!</translation>
    </message>
    <message>
        <source>Imagine you are traveling in a desert with five animals. You are tired and have very less water. The only way you will survive this journey is by letting the animals go.</source>
        <translation>Imagine que você está atravessando um deserto com cinco animais. Você está cansado e tem pouquíssima água. A única forma de sobreviver à viagem é deixar os animais para trás.</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>A&amp;vançar</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>Ver &amp;resultado</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do seu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do seu amigo</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O e-mail não pode conter espaços</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite dois e-mails diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um e-mail válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail do seu amigo</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Pode haver uma atualização deste programa<byte value="xd"/>Deseja verificar se há atualizações?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>QV Tavrisk Result</source>
        <translation>Resultado do QV Tavrisk</translation>
    </message>
    <message>
        <source>This test is based on the Japanese Animal Archetypes. The desert represents a difficult circumstance in life. Each animal stands for the different characteristics in your life. The one that you sacrificed initially is what is least important to you. The one that you keep with you till the last is the most important to you.</source>
        <translation>Este teste se baseia nos arquétipos animais japoneses. O deserto representa uma situação difícil da vida. Cada animal representa um aspecto diferente da sua vida. O que você sacrificou primeiro é o que menos importa para você. O que você manteve até o fim é o que mais importa.</translation>
    </message>
    <message>
        <source>Each Animal Represents the Following:</source>
        <translation>O que cada animal representa:</translation>
    </message>
    <message>
        <source>You chose the animals in the following order:</source>
        <translation>Você escolheu os animais nesta ordem:</translation>
    </message>
    <message>
        <source>You value the different characteristics in the following order:</source>
        <translation>Você valoriza os aspectos nesta ordem:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
</context>
</TS>
