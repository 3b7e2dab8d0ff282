<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>kuvo::Announcer</name>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>%1 plus 100</source>
        <translation>%1 mais 100</translation>
    </message>
    <message>
        <source>%1 plus 200</source>
        <translation>%1 mais 200</translation>
    </message>
    <message>
        <source>%1 extra pull</source>
        <translation>%1 com puxada extra</translation>
    </message>
    <message>
        <source>Fits column %1.</source>
        <translation>Cabe na coluna %1.</translation>
    </message>
    <message>
        <source>Fits columns %1.</source>
        <translation>Cabe nas colunas %1.</translation>
    </message>
    <message>
        <source>No die fits: pull again.</source>
        <translation>Nenhum dado cabe: puxe de novo.</translation>
    </message>
    <message>
        <source>No die fits, and no pulls are left.</source>
        <translation>Nenhum dado cabe, e as puxadas acabaram.</translation>
    </message>
    <message>
        <source>Dice: %1. %2</source>
        <translation>Dados: %1. %2</translation>
    </message>
    <message>
        <source>Taken: column %1, row %2.</source>
        <translation>Ocupada: coluna %1, linha %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points.</source>
        <translation>
            <numerusform>%n ponto.</numerusform>
            <numerusform>%n pontos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Total %1.</translation>
    </message>
    <message>
        <source>Extra pull.</source>
        <translation>Puxada extra.</translation>
    </message>
    <message numerus="yes">
        <source>%n pulls left.</source>
        <translation>
            <numerusform>Resta %n puxada.</numerusform>
            <numerusform>Restam %n puxadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>No pulls left.</source>
        <translation>Acabaram as puxadas.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>No scores yet.</source>
        <translation>Ainda não há pontos.</translation>
    </message>
    <message>
        <source>Round %1 is over.</source>
        <translation>A rodada %1 acabou.</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>Resta %n segundo</numerusform>
            <numerusform>Restam %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>carinha</translation>
    </message>
</context>
<context>
    <name>kuvo::BoardPictures</name>
    <message>
        <source>Start Game</source>
        <translation>Começar partida</translation>
    </message>
    <message>
        <source>PULL</source>
        <translation>PUXAR</translation>
    </message>
</context>
<context>
    <name>kuvo::BoardView</name>
    <message>
        <source>Welcome to Kuvo!</source>
        <translation>Boas-vindas ao Kuvo!</translation>
    </message>
    <message>
        <source>Round: 0 of 0</source>
        <translation>Rodada: 0 de 0</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Tempo: 0:00</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Arrow keys move the cursor, Return takes the cell, Space pulls</source>
        <translation>As setas movem o cursor, Enter pega a casa, Espaço puxa</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Coluna %1, linha %2: %3</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Coluna %1, linha %2</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>ocupada</translation>
    </message>
    <message>
        <source>taken, 100 bonus points</source>
        <translation>ocupada, 100 pontos de bônus</translation>
    </message>
    <message>
        <source>taken, 200 bonus points</source>
        <translation>ocupada, 200 pontos de bônus</translation>
    </message>
    <message>
        <source>taken, extra pull</source>
        <translation>ocupada, puxada extra</translation>
    </message>
    <message>
        <source>Pull ball</source>
        <translation>Bola de puxar</translation>
    </message>
    <message>
        <source>Space on the board pulls</source>
        <translation>Espaço no tabuleiro puxa</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Começar partida</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rodada</translation>
    </message>
    <message>
        <source>Round clock</source>
        <translation>Relógio da rodada</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Vitória!</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>Die %1: none</source>
        <translation>Dado %1: nenhum</translation>
    </message>
    <message>
        <source>100 bonus points</source>
        <translation>100 pontos de bônus</translation>
    </message>
    <message>
        <source>200 bonus points</source>
        <translation>200 pontos de bônus</translation>
    </message>
    <message>
        <source>extra pull</source>
        <translation>puxada extra</translation>
    </message>
    <message>
        <source>Bonus %1: none</source>
        <translation>Bônus %1: nenhum</translation>
    </message>
    <message>
        <source>Bonus %1: %2</source>
        <translation>Bônus %1: %2</translation>
    </message>
    <message>
        <source>Pulls left: %1</source>
        <translation>Puxadas restantes: %1</translation>
    </message>
</context>
<context>
    <name>kuvo::ChatPanel</name>
    <message>
        <source>My dad is cool.</source>
        <translation>Meu pai é muito legal.</translation>
    </message>
    <message>
        <source>I&apos;m a bit confused</source>
        <translation>Estou meio confuso</translation>
    </message>
    <message>
        <source>I need to find a job.</source>
        <translation>Preciso arrumar um emprego.</translation>
    </message>
    <message>
        <source>I watched TV last night.</source>
        <translation>Vi TV ontem à noite.</translation>
    </message>
    <message>
        <source>I wish you could see this!</source>
        <translation>Queria que você pudesse ver isso!</translation>
    </message>
    <message>
        <source>I don&apos;t think that is a good idea</source>
        <translation>Acho que não é uma boa ideia</translation>
    </message>
    <message>
        <source>That is very wise of you</source>
        <translation>Que sábio da sua parte</translation>
    </message>
    <message>
        <source>Tomorrow will be here quickly.</source>
        <translation>Amanhã chega rapidinho.</translation>
    </message>
    <message>
        <source>Stop yelling at me.</source>
        <translation>Para de gritar comigo.</translation>
    </message>
    <message>
        <source>Don&apos;t slam the door please.</source>
        <translation>Não bata a porta, por favor.</translation>
    </message>
    <message>
        <source>I skipped breakfast today.</source>
        <translation>Hoje eu pulei o café da manhã.</translation>
    </message>
    <message>
        <source>Have you seen Fuzzbean today?</source>
        <translation>Você viu o Fuzzbean hoje?</translation>
    </message>
    <message>
        <source>Is it snack time yet?</source>
        <translation>Já é hora do lanche?</translation>
    </message>
    <message>
        <source>Do you have a candy bar?</source>
        <translation>Você tem uma barra de chocolate?</translation>
    </message>
    <message>
        <source>Oh the ice cream man is coming!</source>
        <translation>Olha, o sorveteiro está vindo!</translation>
    </message>
    <message>
        <source>Did you see that?</source>
        <translation>Você viu isso?</translation>
    </message>
    <message>
        <source>Why did you do that?</source>
        <translation>Por que você fez isso?</translation>
    </message>
    <message>
        <source>Who knows..</source>
        <translation>Quem sabe..</translation>
    </message>
    <message>
        <source>Are you sure you are OK?</source>
        <translation>Tem certeza de que está tudo bem?</translation>
    </message>
    <message>
        <source>I&apos;m feeling lucky tonight.</source>
        <translation>Hoje à noite estou com sorte.</translation>
    </message>
    <message>
        <source>Will you come and play again sometime?</source>
        <translation>Você volta para jogar outro dia?</translation>
    </message>
    <message>
        <source>I&apos;m so happy you are here!</source>
        <translation>Que bom que você está aqui!</translation>
    </message>
    <message>
        <source>What is in your lunchbox today?</source>
        <translation>O que tem na sua lancheira hoje?</translation>
    </message>
    <message>
        <source>Hey, I found a penny!</source>
        <translation>Ei, achei uma moedinha!</translation>
    </message>
    <message>
        <source>Kuvo  -  pull, roll and fill!</source>
        <translation>Kuvo  -  puxe, role e preencha!</translation>
    </message>
    <message>
        <source>Rovi the bot says: %1</source>
        <translation>Rovi, o robô, diz: %1</translation>
    </message>
    <message>
        <source>/me TEXT shows TEXT as something you do, as in &quot;/me waves&quot;.</source>
        <translation>/me TEXTO mostra TEXTO como algo que você faz, como em &quot;/me acena&quot;.</translation>
    </message>
    <message>
        <source>/help lists these commands.</source>
        <translation>/help lista estes comandos.</translation>
    </message>
    <message>
        <source>Unknown command %1. /help lists them.</source>
        <translation>Comando desconhecido %1. /help lista os comandos.</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Não foi possível abrir a página</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Digite aqui&gt;</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Mensagem do chat</translation>
    </message>
    <message>
        <source>Return sends the message to the table</source>
        <translation>Enter envia a mensagem para a mesa</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Carinhas</translation>
    </message>
    <message>
        <source>Adds a smiley to the chat message</source>
        <translation>Adiciona uma carinha à mensagem do chat</translation>
    </message>
    <message>
        <source>Says the phrase to the table</source>
        <translation>Diz a frase para a mesa</translation>
    </message>
    <message>
        <source>Chatter sounds</source>
        <translation>Sons do chat</translation>
    </message>
    <message>
        <source>Plays a sound to the table</source>
        <translation>Toca um som para a mesa</translation>
    </message>
    <message>
        <source>Kuvo banner</source>
        <translation>Banner do Kuvo</translation>
    </message>
    <message>
        <source>A click opens the maker&apos;s web page</source>
        <translation>Um clique abre a página do fabricante</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Colar</translation>
    </message>
    <message>
        <source>Phrase %1: %2</source>
        <translation>Frase %1: %2</translation>
    </message>
</context>
<context>
    <name>kuvo::GameTable</name>
    <message>
        <source>Time: %1:%2%3</source>
        <translation>Tempo: %1:%2%3</translation>
    </message>
    <message>
        <source>Round: 0 of%1</source>
        <translation>Rodada: 0 de %1</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 começou uma partida.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Você começou uma partida.</translation>
    </message>
    <message>
        <source>I am Rovi the bot. Good Luck!</source>
        <translation>Eu sou o Rovi, o robô. Boa sorte!</translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation>Rodada: %1 de %2</translation>
    </message>
    <message>
        <source>Tie! An extra round decides.</source>
        <translation>Empate! Uma rodada extra decide.</translation>
    </message>
    <message>
        <source>It&apos;s time to Kuvo!</source>
        <translation>Hora do Kuvo!</translation>
    </message>
    <message>
        <source>No Time Limit</source>
        <translation>Sem limite de tempo</translation>
    </message>
    <message>
        <source>CHOOSE A NUMBER!</source>
        <translation>ESCOLHA UM NÚMERO!</translation>
    </message>
    <message>
        <source>No more Pulls left!</source>
        <translation>Acabaram as puxadas!</translation>
    </message>
    <message>
        <source>PULL AGAIN!</source>
        <translation>PUXE DE NOVO!</translation>
    </message>
    <message>
        <source>You received 100 bonus points!</source>
        <translation>Você ganhou 100 pontos de bônus!</translation>
    </message>
    <message>
        <source>You received 200 bonus points!</source>
        <translation>Você ganhou 200 pontos de bônus!</translation>
    </message>
    <message>
        <source>You received an Extra Pull!</source>
        <translation>Você ganhou uma puxada extra!</translation>
    </message>
    <message>
        <source>You have filled the board!</source>
        <translation>Você preencheu o tabuleiro!</translation>
    </message>
    <message>
        <source>Out of Time</source>
        <translation>Acabou o tempo</translation>
    </message>
    <message>
        <source>The Round is Over!</source>
        <translation>A rodada acabou!</translation>
    </message>
    <message>
        <source>%1 %2 (total %3)</source>
        <translation>%1 %2 (total %3)</translation>
    </message>
    <message>
        <source>Round %1: %2.</source>
        <translation>Rodada %1: %2.</translation>
    </message>
    <message>
        <source>Please Wait for Next Round!</source>
        <translation>Aguarde a próxima rodada!</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Você ganhou a partida!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 ganhou a partida!</translation>
    </message>
    <message>
        <source>The Game is Over!</source>
        <translation>A partida acabou!</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 só está assistindo</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 voltou a jogar</translation>
    </message>
    <message>
        <source>You now start the games.</source>
        <translation>Agora é você quem começa as partidas.</translation>
    </message>
    <message>
        <source>%1 now starts the games.</source>
        <translation>Agora é %1 quem começa as partidas.</translation>
    </message>
    <message>
        <source>Waiting for %1 to start the game.</source>
        <translation>Aguardando %1 começar a partida.</translation>
    </message>
    <message>
        <source>No Pulls</source>
        <translation>Sem puxadas</translation>
    </message>
    <message>
        <source>You must Pull first.</source>
        <translation>Primeiro você precisa puxar.</translation>
    </message>
    <message>
        <source>That number does not match.</source>
        <translation>Esse número não confere.</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Tempo: 0:00</translation>
    </message>
</context>
<context>
    <name>kuvo::PlayWithOthers</name>
    <message>
        <source>Waiting</source>
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Rodada %1 de %2</translation>
    </message>
    <message>
        <source>Kuvo - Play with Others</source>
        <translation>Kuvo - Jogar com outros</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Espectadores</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Seu &amp;nome:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Endereço:</translation>
    </message>
    <message>
        <source>host name or address, :port if not %1</source>
        <translation>nome ou endereço do computador, :porta se não for %1</translation>
    </message>
    <message>
        <source>Looking for tables... None has answered yet; you can type a table&apos;s address instead.</source>
        <translation>Procurando mesas... Nenhuma respondeu ainda; você também pode digitar o endereço de uma mesa.</translation>
    </message>
    <message>
        <source>&amp;Tables on your network:</source>
        <translation>&amp;Mesas na sua rede:</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>En&amp;trar</translation>
    </message>
    <message>
        <source>&amp;Host a Table</source>
        <translation>&amp;Abrir uma mesa</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>kuvo::PlayerSlotsPanel</name>
    <message>
        <source>Pulls</source>
        <translation>Puxadas</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Atual</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Livre&gt;</translation>
    </message>
    <message>
        <source>Slot %1: %2, total %3</source>
        <translation>Lugar %1: %2, total %3</translation>
    </message>
    <message>
        <source>, pulls %1</source>
        <translation>, puxadas %1</translation>
    </message>
    <message>
        <source>, current %1</source>
        <translation>, atual %1</translation>
    </message>
    <message>
        <source>just watching</source>
        <translation>só assistindo</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Você está conectado.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 está conectado.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Você está espionando.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está espionando.</translation>
    </message>
    <message numerus="yes">
        <source>%1 takes over %2&apos;s seat (%n points).</source>
        <translation>
            <numerusform>%1 assume o lugar de %2 (%n ponto).</numerusform>
            <numerusform>%1 assume o lugar de %2 (%n pontos).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 saiu.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 perdeu a conexão.</translation>
    </message>
    <message numerus="yes">
        <source>%1 lost the connection. The seat is kept for %n seconds.</source>
        <translation>
            <numerusform>%1 perdeu a conexão. O lugar fica guardado por %n segundo.</numerusform>
            <numerusform>%1 perdeu a conexão. O lugar fica guardado por %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is back in the seat.</source>
        <translation>%1 voltou ao seu lugar.</translation>
    </message>
    <message>
        <source>%1 removed you from the table.</source>
        <translation>%1 tirou você da mesa.</translation>
    </message>
    <message>
        <source>%1 removed %2.</source>
        <translation>%1 tirou %2.</translation>
    </message>
    <message>
        <source>Remove %1 from the table?</source>
        <translation>Tirar %1 da mesa?</translation>
    </message>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Tirar da partida</translation>
    </message>
    <message>
        <source>&amp;Set to Just Watch</source>
        <translation>Colocar para &amp;só assistir</translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation>Colocar para &amp;jogar de novo</translation>
    </message>
</context>
<context>
    <name>kuvo::Smileys</name>
    <message>
        <source>Smile</source>
        <translation>Sorriso</translation>
    </message>
    <message>
        <source>Grin</source>
        <translation>Sorrisão</translation>
    </message>
    <message>
        <source>Wink</source>
        <translation>Piscadinha</translation>
    </message>
    <message>
        <source>Frown</source>
        <translation>Cara feia</translation>
    </message>
    <message>
        <source>Surprised</source>
        <translation>Surpreso</translation>
    </message>
    <message>
        <source>Tongue out</source>
        <translation>Língua de fora</translation>
    </message>
    <message>
        <source>Cool grin</source>
        <translation>Sorriso descolado</translation>
    </message>
    <message>
        <source>Angry</source>
        <translation>Bravo</translation>
    </message>
    <message>
        <source>Sleepy</source>
        <translation>Com sono</translation>
    </message>
    <message>
        <source>In love</source>
        <translation>Apaixonado</translation>
    </message>
    <message>
        <source>Confused</source>
        <translation>Confuso</translation>
    </message>
    <message>
        <source>Kiss</source>
        <translation>Beijo</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Doente</translation>
    </message>
    <message>
        <source>Feeling blue</source>
        <translation>Tristinho</translation>
    </message>
    <message>
        <source>Laughing</source>
        <translation>Rindo</translation>
    </message>
    <message>
        <source>Blowing a kiss</source>
        <translation>Mandando um beijo</translation>
    </message>
    <message>
        <source>Speechless</source>
        <translation>Sem palavras</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Descolado</translation>
    </message>
</context>
<context>
    <name>kuvo::SoundBoard</name>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Cancelar&gt;</translation>
    </message>
    <message>
        <source>Doh</source>
        <translation>Ops</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Tosse</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Olá</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Obrigado</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Por onde você andou?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronco</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Espirro</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Desculpa</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Boas-vindas</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Uhuu</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Oba</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Ah, não</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Buzina</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Prrrr</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Viva</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Mulher rindo</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Homem rindo</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Choro</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Som de chat&gt; %2</translation>
    </message>
</context>
<context>
    <name>kuvo::Tabout</name>
    <message>
        <source>Kuvo - About</source>
        <translation>Kuvo - Sobre</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versão </translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Não foi possível abrir a página</translation>
    </message>
    <message>
        <source>Kuvo logo</source>
        <translation>Logotipo do Kuvo</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site</source>
        <translation>Abre o site do fabricante</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Pronto</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Software livre sob a GNU GPL, versão 3 ou posterior.</translation>
    </message>
    <message>
        <source>Copyright ©</source>
        <translation>Copyright ©</translation>
    </message>
</context>
<context>
    <name>kuvo::Tchat</name>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tem uma versão do jogo diferente da sua.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Você tem uma versão do jogo diferente da do anfitrião.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>A partida está cheia</translation>
    </message>
    <message>
        <source>%1 closed the table.</source>
        <translation>%1 fechou a mesa.</translation>
    </message>
    <message>
        <source>The table was closed.</source>
        <translation>A mesa foi fechada.</translation>
    </message>
    <message>
        <source>The connection to the table was closed.</source>
        <translation>A conexão com a mesa foi fechada.</translation>
    </message>
    <message>
        <source>No computer called %1 was found, so the table at %2 could not be reached. Check the spelling of the address.</source>
        <translation>Nenhum computador chamado %1 foi encontrado, então não foi possível chegar à mesa em %2. Confira como o endereço foi digitado.</translation>
    </message>
    <message>
        <source>Could not reach the table at %1. Check the address, and that the table is running and lets players in through its firewall.</source>
        <translation>Não foi possível chegar à mesa em %1. Confira o endereço, se a mesa está aberta e se o firewall dela deixa os jogadores entrarem.</translation>
    </message>
    <message>
        <source>Play with &amp;Others…</source>
        <translation>Jogar com &amp;outros…</translation>
    </message>
    <message>
        <source>Stop &amp;Reconnecting</source>
        <translation>Parar de &amp;reconectar</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Carregando partida solo.. Aguarde.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Carregando partida multijogador.. Aguarde.</translation>
    </message>
    <message>
        <source>Listen - Error Binding Socket</source>
        <translation>Erro: não foi possível abrir a porta da mesa</translation>
    </message>
    <message>
        <source>No table could be opened: port %1 of this computer is in use, most likely by another table. Close that program, or join its table.</source>
        <translation>Não foi possível abrir uma mesa: a porta %1 deste computador está em uso, provavelmente por outra mesa. Feche esse programa ou entre na mesa dele.</translation>
    </message>
    <message>
        <source>The table sent more than this program can take. The connection to the table was closed.</source>
        <translation>A mesa enviou mais do que este programa consegue processar. A conexão com a mesa foi fechada.</translation>
    </message>
    <message>
        <source>Connection lost - reconnecting…</source>
        <translation>Conexão perdida - reconectando…</translation>
    </message>
    <message>
        <source>The connection to the table was lost. Trying to get back in…</source>
        <translation>A conexão com a mesa caiu. Tentando voltar…</translation>
    </message>
    <message>
        <source>You are back in your seat; the game goes on.</source>
        <translation>Você voltou ao seu lugar; a partida continua.</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Você não está conectado</translation>
    </message>
    <message>
        <source>A game is running. Start a new game? The running game ends for every player and its scores are lost.</source>
        <translation>Há uma partida em andamento. Começar uma nova? A partida atual termina para todos e os pontos dela se perdem.</translation>
    </message>
    <message numerus="yes">
        <source>%n players are at your table. Closing it ends their game. Close it?</source>
        <translation>
            <numerusform>Há %n jogador na sua mesa. Fechar a mesa encerra a partida dele. Fechar?</numerusform>
            <numerusform>Há %n jogadores na sua mesa. Fechar a mesa encerra a partida deles. Fechar?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Começar partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>Tocar &amp;sons</translation>
    </message>
    <message>
        <source>Play &amp;Chatter Sounds</source>
        <translation>Tocar sons do &amp;chat</translation>
    </message>
    <message>
        <source>&amp;Turn Sound</source>
        <translation>Sinal de &amp;início</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clássico</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Text Co&amp;lor</source>
        <translation>Co&amp;r do texto</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>&amp;Tamanho do texto</translation>
    </message>
    <message>
        <source>&amp;Scroll Chat Off</source>
        <translation>&amp;Não rolar o chat</translation>
    </message>
    <message>
        <source>Clear &amp;Main Chat</source>
        <translation>&amp;Limpar o chat</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>Reposicionar a &amp;janela</translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation>Só &amp;assistir</translation>
    </message>
    <message>
        <source>Spea&amp;k Chat Lines</source>
        <translation>Ler o chat em &amp;voz alta</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation>Ver &amp;placar</translation>
    </message>
    <message>
        <source>&amp;Spy List</source>
        <translation>Lista de &amp;espiões</translation>
    </message>
    <message>
        <source>&amp;Phrase List</source>
        <translation>Lista de &amp;frases</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre o Kuvo</translation>
    </message>
</context>
<context>
    <name>kuvo::Tdownload</name>
    <message>
        <source>Download The Orvel Lobby</source>
        <translation>Baixar o Orvel Lobby</translation>
    </message>
    <message>
        <source>IS CLOSED</source>
        <translation>FECHADO</translation>
    </message>
    <message>
        <source>Download The Orvel Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Baixe agora o Orvel Lobby para jogar este e outros jogos emocionantes on-line com outros jogadores!</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Para ir ao jogo sem poder jogar contra outras pessoas, clique no botão abaixo.</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Observação: mesmo jogando off-line, você precisa configurar seu FIREWALL para o jogo acessar os componentes de internet.</translation>
    </message>
    <message>
        <source>To play with others, click the button below: it lists the tables on your network, where you can join one or host your own. If The Orvel Lobby is installed, it closes this game and opens The Orvel Lobby instead.</source>
        <translation>Para jogar com outros, clique no botão abaixo: ele mostra as mesas da sua rede, onde você pode entrar numa ou abrir a sua. Se o Orvel Lobby estiver instalado, ele fecha este jogo e abre o Orvel Lobby.</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download interrompido</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ocorreu um erro.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
    <message numerus="yes">
        <source>Received %n bytes</source>
        <translation>
            <numerusform>%n byte recebido</numerusform>
            <numerusform>%n bytes recebidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Salvo: %1</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>O download foi interrompido.</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Baixando: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>The Orvel Lobby banner</source>
        <translation>Banner do Orvel Lobby</translation>
    </message>
    <message>
        <source>&amp;Download And Install The Orvel Lobby Now</source>
        <translation>&amp;Baixar e instalar o Orvel Lobby</translation>
    </message>
    <message>
        <source>&amp;Stop Download</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Solo game</source>
        <translation>Partida solo</translation>
    </message>
    <message>
        <source>&amp;Play Solo Game</source>
        <translation>Jogar &amp;solo</translation>
    </message>
    <message>
        <source>Playing with others</source>
        <translation>Jogar com outros</translation>
    </message>
    <message>
        <source>Play with &amp;Others</source>
        <translation>Jogar com &amp;outros</translation>
    </message>
</context>
<context>
    <name>kuvo::Tgamestart</name>
    <message>
        <source>Kuvo - Game Start</source>
        <translation>Kuvo - Início da partida</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opções da partida</translation>
    </message>
    <message>
        <source>secs</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Começar partida</translation>
    </message>
    <message>
        <source>&amp;Rounds Per Game: </source>
        <translation>&amp;Rodadas por partida: </translation>
    </message>
    <message>
        <source>&amp;Time Per Round:</source>
        <translation>&amp;Tempo por rodada:</translation>
    </message>
    <message>
        <source>seconds; 0 means no time limit</source>
        <translation>segundos; 0 significa sem limite de tempo</translation>
    </message>
</context>
<context>
    <name>kuvo::Thelp</name>
    <message>
        <source>Kuvo - Help File</source>
        <translation>Kuvo - Ajuda</translation>
    </message>
    <message>
        <source>Copyright ©</source>
        <translation>Copyright ©</translation>
    </message>
    <message>
        <source>en</source>
        <comment>folder of the help pages in this language: de, fr, pt_BR</comment>
        <translation>pt_BR</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>&amp;Visão geral</translation>
    </message>
    <message>
        <source>&amp;Connecting</source>
        <translation>&amp;Conectar</translation>
    </message>
    <message>
        <source>&amp;Game Play</source>
        <translation>Como &amp;jogar</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>Po&amp;ntos</translation>
    </message>
    <message>
        <source>Doc&amp;umentation</source>
        <translation>&amp;Documentação</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Licença</translation>
    </message>
    <message>
        <source>&amp;The Lobby</source>
        <translation>O L&amp;obby</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Pronto</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Software livre sob a GNU GPL, versão 3 ou posterior.</translation>
    </message>
</context>
<context>
    <name>kuvo::Tphrases</name>
    <message>
        <source>Kuvo - Phrase Buttons </source>
        <translation>Kuvo - Botões de frases </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Botão de frase %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Cada botão só pode ser usado uma vez a cada 2 segundos</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Pronto</translation>
    </message>
</context>
<context>
    <name>kuvo::Tspylist</name>
    <message>
        <source>Kuvo - Spys</source>
        <translation>Kuvo - Espiões</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espiões</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Tirar da partida</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Pronto</translation>
    </message>
</context>
<context>
    <name>kuvo::Ttallylist</name>
    <message>
        <source>Your tally file could not be read (%1) and could not be moved aside. It is left as it is, and this run&apos;s tally will not be saved.</source>
        <translation>Não foi possível ler seu arquivo de placar (%1) nem deixá-lo de lado. Ele fica como está, e o placar desta sessão não será salvo.</translation>
    </message>
    <message>
        <source>Your tally file could not be read (%1). It is kept unchanged as %2, and a new tally has been started.</source>
        <translation>Não foi possível ler seu arquivo de placar (%1). Ele foi guardado sem mudanças como %2, e um placar novo foi começado.</translation>
    </message>
    <message>
        <source>Kuvo - Tally List</source>
        <translation>Kuvo - Placar</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Seu placar geral</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Partidas:</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Suas vitórias:</translation>
    </message>
    <message>
        <source>Highest Round Score:</source>
        <translation>Melhor rodada:</translation>
    </message>
    <message>
        <source>Black Outs:</source>
        <translation>Tabuleiros cheios:</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessão</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>XX Wins:</source>
        <translation>Vitórias de XX:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Ninguém ganhou:</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Jogadores da partida</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Jogadores seguidos</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Isso apaga o placar contra %1. Quer mesmo apagar?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Vitórias de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Placar contra %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Quer mesmo zerar o placar?</translation>
    </message>
    <message>
        <source>Head to head</source>
        <translation>Frente a frente</translation>
    </message>
    <message>
        <source>&amp;Reset Tally</source>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Pronto</translation>
    </message>
</context>
<context>
    <name>kuvo::windowart</name>
    <message>
        <source>START GAME</source>
        <translation>VAMOS JOGAR</translation>
    </message>
    <message>
        <source>a dice game by Orvel</source>
        <translation>um jogo de dados da Orvel</translation>
    </message>
</context>
</TS>
