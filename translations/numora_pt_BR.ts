<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Accessibility</name>
    <message>
        <source>top row, left column</source>
        <translation>linha de cima, coluna da esquerda</translation>
    </message>
    <message>
        <source>top row, middle column</source>
        <translation>linha de cima, coluna do meio</translation>
    </message>
    <message>
        <source>top row, right column</source>
        <translation>linha de cima, coluna da direita</translation>
    </message>
    <message>
        <source>middle row, left column</source>
        <translation>linha do meio, coluna da esquerda</translation>
    </message>
    <message>
        <source>middle row, middle column</source>
        <translation>linha do meio, coluna do meio</translation>
    </message>
    <message>
        <source>middle row, right column</source>
        <translation>linha do meio, coluna da direita</translation>
    </message>
    <message>
        <source>bottom row, left column</source>
        <translation>linha de baixo, coluna da esquerda</translation>
    </message>
    <message>
        <source>bottom row, middle column</source>
        <translation>linha de baixo, coluna do meio</translation>
    </message>
    <message>
        <source>bottom row, right column</source>
        <translation>linha de baixo, coluna da direita</translation>
    </message>
    <message>
        <source>sum of the top row</source>
        <translation>soma da linha de cima</translation>
    </message>
    <message>
        <source>sum of the middle row</source>
        <translation>soma da linha do meio</translation>
    </message>
    <message>
        <source>sum of the bottom row</source>
        <translation>soma da linha de baixo</translation>
    </message>
    <message>
        <source>sum of the right column</source>
        <translation>soma da coluna da direita</translation>
    </message>
    <message>
        <source>sum of the middle column</source>
        <translation>soma da coluna do meio</translation>
    </message>
    <message>
        <source>sum of the left column</source>
        <translation>soma da coluna da esquerda</translation>
    </message>
    <message>
        <source>status</source>
        <translation>mensagem</translation>
    </message>
    <message>
        <source>factor, top left</source>
        <translation>fator, em cima à esquerda</translation>
    </message>
    <message>
        <source>factor, top right</source>
        <translation>fator, em cima à direita</translation>
    </message>
    <message>
        <source>factor, bottom left</source>
        <translation>fator, embaixo à esquerda</translation>
    </message>
    <message>
        <source>factor, bottom right</source>
        <translation>fator, embaixo à direita</translation>
    </message>
    <message>
        <source>product of the top row</source>
        <translation>produto da linha de cima</translation>
    </message>
    <message>
        <source>product of the bottom row</source>
        <translation>produto da linha de baixo</translation>
    </message>
    <message>
        <source>product of the right column</source>
        <translation>produto da coluna da direita</translation>
    </message>
    <message>
        <source>product of the left column</source>
        <translation>produto da coluna da esquerda</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>sua resposta</translation>
    </message>
    <message>
        <source>clears your answer</source>
        <translation>apaga sua resposta</translation>
    </message>
    <message>
        <source>number pad</source>
        <translation>teclado numérico</translation>
    </message>
    <message>
        <source>level</source>
        <translation>nível</translation>
    </message>
    <message>
        <source>not found yet</source>
        <translation>ainda não encontrado</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>oculto</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>Row product %1, column product %2.</source>
        <translation>Produto da linha %1, produto da coluna %2.</translation>
    </message>
    <message>
        <source>Row sum: %1, column sum: %2.</source>
        <translation>Soma da linha: %1, soma da coluna: %2.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Click to select number.</source>
        <extracomment>The status line as the window opens, before any game: the player may pick a number on the number pad. In play the same line reads &quot;Click number to select.&quot;.</extracomment>
        <translation>Escolha um número.</translation>
    </message>
    <message>
        <source>Click number to select.</source>
        <extracomment>The status line in play, while picks still count: click a number of the number pad. Before any game the same line reads &quot;Click to select number.&quot;.</extracomment>
        <translation>Clique em um número.</translation>
    </message>
    <message>
        <source>You have exceeded maximum number of attempts. Wait will refresh in %1 Sec.</source>
        <extracomment>After too many picks on one puzzle: &quot;refresh&quot; means that the next puzzle comes (use the word of &quot;New puzzle.&quot;); %1 is the seconds left, &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>Tentativas demais. Espere, novo desafio em %1 seg.</translation>
    </message>
    <message>
        <source>Refreshing in %1 Sec.</source>
        <extracomment>The multiplication window&apos;s status line: seconds until the next puzzle replaces this one (use the word of &quot;New puzzle.&quot;); &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>Novo desafio em %1 seg.</translation>
    </message>
    <message>
        <source>KORVELLAN - Refreshing in - %1</source>
        <extracomment>The window title in play: seconds until the next puzzle replaces this one (use the word of &quot;New puzzle.&quot;). %1 can reach 0, and below while the window is minimised.</extracomment>
        <translation>KORVELLAN - Novo desafio em - %1</translation>
    </message>
    <message>
        <source>Level - %1(%2 Sec.)</source>
        <translation>Nível %1 (%2 seg.)</translation>
    </message>
    <message>
        <source>Product of the top row.</source>
        <translation>Produto da linha de cima.</translation>
    </message>
    <message>
        <source>Product of the bottom row.</source>
        <translation>Produto da linha de baixo.</translation>
    </message>
    <message>
        <source>Product of the right column.</source>
        <translation>Produto da coluna da direita.</translation>
    </message>
    <message>
        <source>Product of the left column.</source>
        <translation>Produto da coluna da esquerda.</translation>
    </message>
    <message>
        <source>New puzzle.</source>
        <translation>Novo desafio.</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Resolvido!</translation>
    </message>
    <message>
        <source>All four found!</source>
        <translation>Achou os quatro!</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Parado.</translation>
    </message>
    <message>
        <source>%1 is right!</source>
        <translation>%1 está certo!</translation>
    </message>
    <message numerus="yes">
        <source>You have exceeded maximum number of attempts. Wait will refresh in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Wait will refresh in 7 Sec.&quot;</extracomment>
        <translation>
            <numerusform>Tentativas demais. Espere, novo desafio em %n segundo.</numerusform>
            <numerusform>Tentativas demais. Espere, novo desafio em %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Refreshing in 7 Sec.&quot;</extracomment>
        <translation>
            <numerusform>Novo desafio em %n segundo.</numerusform>
            <numerusform>Novo desafio em %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>KORVELLAN: Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the title &quot;KORVELLAN - Refreshing in - 7&quot;.</extracomment>
        <translation>
            <numerusform>KORVELLAN: novo desafio em %n segundo.</numerusform>
            <numerusform>KORVELLAN: novo desafio em %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n second(s)</source>
        <extracomment>Spoken by a screen reader for the level list&apos;s entry &quot;Level - 1(11 Sec.)&quot;.</extracomment>
        <translation>
            <numerusform>Nível %1, %n segundo</numerusform>
            <numerusform>Nível %1, %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>II</source>
        <comment>the pause button</comment>
        <extracomment>Two capital I&apos;s drawn as a pause sign on a small button (its tool tip says &quot;Pause&quot;); keep them unless your script draws the pause sign otherwise.</extracomment>
        <translation>II</translation>
    </message>
    <message>
        <source>II</source>
        <comment>an upright equals sign at a column&apos;s foot</comment>
        <extracomment>Two capital I&apos;s standing for an equals sign turned upright, between a column and its sum below it; keep them.</extracomment>
        <translation>II</translation>
    </message>
    <message>
        <source>&amp;Start Numora</source>
        <translation>&amp;Jogar Numora</translation>
    </message>
    <message>
        <source>Start New game</source>
        <translation>Começar um jogo novo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>&amp;Exit </source>
        <translation>Sa&amp;ir </translation>
    </message>
    <message>
        <source> Exit game</source>
        <translation>Sair do jogo</translation>
    </message>
    <message>
        <source>Find the missing numbers.</source>
        <translation>Ache os números ocultos.</translation>
    </message>
    <message>
        <source>Click to select number.</source>
        <translation>Escolha um número.</translation>
    </message>
    <message>
        <source>I would like to pay.</source>
        <translation>Eu gostaria de pagar.</translation>
    </message>
    <message>
        <source>Find the multiplication numbers.</source>
        <translation>Resolva as multiplicações.</translation>
    </message>
    <message>
        <source>Cls.</source>
        <extracomment>The multiplication pad&apos;s clear key, about 40 pixels wide: it clears the answer typed so far (not &quot;close&quot;). A word where it fits, else an abbreviation.</extracomment>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Numora - 1</source>
        <translation>Numora - 1</translation>
    </message>
    <message>
        <source>algebra - 1</source>
        <translation>álgebra - 1</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Active Internet connection required.</source>
        <translation>Você precisa de conexão com a internet.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet Required.</source>
        <translation>KORVELLAN: Internet necessária.</translation>
    </message>
    <message>
        <source>Installed files missing run setup again. Contact KORVELLAN</source>
        <translation>Faltam arquivos do jogo. Instale o jogo de novo ou fale com a KORVELLAN.</translation>
    </message>
    <message>
        <source>Active Internet connection is required.</source>
        <translation>É preciso ter conexão com a internet.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet connection required.</source>
        <translation>KORVELLAN: Conexão com a internet necessária.</translation>
    </message>
    <message>
        <source>updates available. Send email for the link to download Updates</source>
        <translation>Há atualizações. Mande um e-mail para receber o link de download.</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <translation>Nenhuma atualização.</translation>
    </message>
    <message>
        <source>KORVELLAN : Update</source>
        <translation>KORVELLAN: Atualização</translation>
    </message>
    <message>
        <source>Server down check later.</source>
        <translation>O servidor não responde. Tente mais tarde.</translation>
    </message>
    <message>
        <source>The web page could not be opened.</source>
        <translation>Não foi possível abrir a página.</translation>
    </message>
</context>
<context>
    <name>numora::GameWindow</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
</context>
<context>
    <name>numora::MainForm</name>
    <message>
        <source>Multiplication Game -1</source>
        <translation>Jogo de multiplicação 1</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Procurar atualizações...</translation>
    </message>
    <message>
        <source>Download Glimmerquiz Game</source>
        <translation>Baixar o jogo Glimmerquiz</translation>
    </message>
    <message>
        <source>Multiplication Game 1</source>
        <extracomment>What a screen reader says for the menu item &quot;Multiplication Game -1&quot;, which it would read as &quot;minus one&quot;.</extracomment>
        <translation>Jogo de multiplicação 1</translation>
    </message>
</context>
<context>
    <name>numora::MultForm</name>
    <message>
        <source>KORVELLAN : Multiplication Game</source>
        <translation>KORVELLAN: Jogo de multiplicação</translation>
    </message>
    <message>
        <source>Addition and Subtraction game</source>
        <translation>Jogo de adição e subtração</translation>
    </message>
</context>
<context>
    <name>numora::TopicForm</name>
    <message>
        <source>KORVELLAN : Select your topic</source>
        <translation>KORVELLAN: Escolha seu tema</translation>
    </message>
</context>
</TS>
