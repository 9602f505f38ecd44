<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutBox</name>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. This is a personality test based on Japanese Animal Archetypes. All rights in this program belong to its publisher, Quorvane Softwares.</source>
        <translation>QV Tavrisk は、あなたにとって本当に大切なものを教えてくれる楽しいゲームです。日本の動物の元型にもとづく性格テストです。このプログラムの権利はすべて発行元の Quorvane Softwares に帰属します。</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>ここをクリックして %1 へ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>詳しくはここをクリック</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>在宅ビジネスのチャンス。自分のインターネットビジネスを始めて、オンラインで収入を得ましょう。このソフトウェアをあなたのサイトのブランドで提供できます。</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Application is already running</source>
        <translation>アプリケーションはすでに実行中です</translation>
    </message>
</context>
<context>
    <name>ExitWindow</name>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Quorvane のソフトウェア</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>ここをクリックして Quorvane Softwares へ</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>友だちに紹介</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>今すぐ紹介(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンラインヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ウェブサイトへ(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>更新を確認(&amp;C)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>更新を確認(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>オンラインで稼ぐ(&amp;O)</translation>
    </message>
</context>
<context>
    <name>Promotion</name>
    <message>
        <source>The Most Popular Online Quorvane Discussion Board. Best Resource For Everything Quorvane. Visit %1 Now</source>
        <translation>いちばん人気の Quorvane オンライン掲示板。Quorvane のことならすべてここに。今すぐ %1 へ</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>在宅ビジネスのチャンス。自分のインターネットビジネスを始めて、オンラインで収入を得ましょう。このソフトウェアをあなたのサイトのブランドで提供できます。詳しくはここをクリック。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>このソフトウェアにあなたのサイトのブランドを。  サイトの固定客とアクセスが増えます。ここにサイトの名前 &amp;&amp;  リンクを入れましょう。詳しくは「ヘルプ」をご覧ください。    コブランドについて詳しくはここをクリック。</translation>
    </message>
    <message>
        <source>Quorvane Softwares, such as this can be created and maintained only with your support. The best way to support Quorvane is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <translation>このような Quorvane のソフトウェアは、皆さまのご支援があってこそ作り続けることができます。Quorvane をいちばん応援できるのは、%1 を定期的に訪れ、掲示板の話し合いや活動に参加していただくことです。</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting %1</source>
        <translation>%1 を定期的に訪れてください。話し合いや活動に参加して %1 を応援してください。皆さまが %1 を定期的に訪れてくださらなければ、これらのソフトウェアを保守し続けることはできません。</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all things quorvane. To help %1 develop and maintain this software visit Quorvane regularly.</source>
        <translation>%1 は Quorvane のすべてを語り合う無料のオンライン掲示板です。%1 がこのソフトウェアを開発・保守できるよう、Quorvane を定期的に訪れてください。</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activites to help us maintain and develop more Quorvane Softwares.</source>
        <translation>%1 はあなたの助けを必要としています。%1 を定期的に訪れ、さまざまな話し合いや活動に参加するだけで、Quorvane のソフトウェアの保守と新しい開発を支えることができます。</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quorvane Softwares. From a single software, we have now grown to become the world’s largest resource of quorvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>このソフトウェアを楽しんでいただけたなら、ほかの Quorvane のソフトウェアもきっと気に入っていただけます。ひとつのソフトウェアから始まり、今では世界最大の Quorvane ソフトウェアの宝庫になりました。占星術、霊感、タロット、数秘術、オカルトと、あらゆる分野のプログラムをそろえ、興味に合わせて幅広く選んでいただけます。</translation>
    </message>
    <message>
        <source>All the programs in the Quorvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Quorvane Softwares のプログラムはどれもシンプルで使いやすく、楽しいだけでなくとても役に立ちます。今日から試して、友だちや家族と体験を分かち合ってください。</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>今すぐ %1 へ</translation>
    </message>
</context>
<context>
    <name>QuestionWindow</name>
    <message>
        <source>Animals</source>
        <translation>動物</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Monkey</source>
        <translation>サル</translation>
    </message>
    <message>
        <source>Monkey - Your Offspring</source>
        <translation>サル - あなたの子ども</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>ライオン</translation>
    </message>
    <message>
        <source>Lion - Your Dignity</source>
        <translation>ライオン - あなたの誇り</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>ウシ</translation>
    </message>
    <message>
        <source>Cow - Your Simple Wants</source>
        <translation>ウシ - あなたのささやかな望み</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>ヒツジ</translation>
    </message>
    <message>
        <source>Sheep - Your Friendship</source>
        <translation>ヒツジ - あなたの友情</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>ウマ</translation>
    </message>
    <message>
        <source>Horse - Your Obsession</source>
        <translation>ウマ - あなたの情熱</translation>
    </message>
    <message>
        <source>Now you need to make a tough decision and leave one of the animals behind. Select the suitable option and click on Next.</source>
        <translation>ここでつらい決断をして、動物を一頭置いていかなければなりません。置いていく動物を選んで「次へ」をクリックしてください。</translation>
    </message>
    <message>
        <source>Now you have four animals left with you. You are growing tired by the minute and realize that you will have to give up one more animal.<byte value="xd"/>
Choose one of the below</source>
        <translation>残った動物は四頭です。刻一刻と疲れが増し、もう一頭手放さなければならないと気づきます。<byte value="xd"/>
次の中から一頭を選んでください</translation>
    </message>
    <message>
        <source>You have three animals with you now. You are walking away but can see no civilization for miles. The water is almost gone. It&apos;s time to let go of one more animal.</source>
        <translation>残った動物は三頭です。歩き続けても、何キロ先まで人里は見えません。水はもうほとんどありません。もう一頭を手放すときです。</translation>
    </message>
    <message>
        <source>You have two animals with you now. You have to make the tough decision of letting go of one as you barely have any water left.</source>
        <translation>残った動物は二頭です。水はほとんど残っていないので、一頭を手放すというつらい決断をしなければなりません。</translation>
    </message>
    <message>
        <source>QV Tavrisk is a fun game and tells you more about what is precious to you. Take the test now and have fun!</source>
        <translation>QV Tavrisk は、あなたにとって本当に大切なものを教えてくれる楽しいゲームです。さっそくテストを楽しみましょう！</translation>
    </message>
    <message>
        <source>Imagine you are traveling in a desert with five animals. You are tired and have very less water. The only way you will survive this journey is by letting the animals go.</source>
        <translation>あなたは五頭の動物を連れて砂漠を旅しています。疲れきって、水もわずかしかありません。この旅を生き延びるには、動物を手放していくしかありません。</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>結果を表示(&amp;R)</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>あなたの名前</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>あなたのメールアドレス</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>友だちの名前</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>友だちのメールアドレス</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>メールアドレスに空白は使えません</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>異なるメールアドレスを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>正しいメールアドレスを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>名前を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>メールアドレスを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>メッセージを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>友だちの名前を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>友だちのメールアドレスを入力してください</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>このソフトウェアの更新があるかもしれません<byte value="xd"/>更新を確認しますか？</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>QV Tavrisk Result</source>
        <translation>QV Tavrisk の結果</translation>
    </message>
    <message>
        <source>This test is based on the Japanese Animal Archetypes. The desert represents a difficult circumstance in life. Each animal stands for the different characteristics in your life. The one that you sacrificed initially is what is least important to you. The one that you keep with you till the last is the most important to you.</source>
        <translation>このテストは日本の動物の元型にもとづいています。砂漠は人生の困難な状況を表し、それぞれの動物はあなたの人生のさまざまな面を表しています。最初に手放した動物は、あなたにとっていちばん大切でないもの。最後まで手元に残した動物は、あなたにとっていちばん大切なものです。</translation>
    </message>
    <message>
        <source>Each Animal Represents the Following:</source>
        <translation>それぞれの動物が表すもの:</translation>
    </message>
    <message>
        <source>You chose the animals in the following order:</source>
        <translation>あなたが動物を選んだ順番:</translation>
    </message>
    <message>
        <source>You value the different characteristics in the following order:</source>
        <translation>あなたが大切にしているものの順番:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
</context>
</TS>
