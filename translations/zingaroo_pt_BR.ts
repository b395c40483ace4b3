<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppConstants</name>
    <message>
        <source>for %1</source>
        <extracomment>Names the system the program runs on, as in &quot;for Linux&quot;.</extracomment>
        <translation>para %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zingaroo developers</source>
        <translation>Copyright (C) 2026 Os desenvolvedores do Zingaroo</translation>
    </message>
</context>
<context>
    <name>AppGame</name>
    <message>
        <source>State: %1</source>
        <translation>Estado: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jogando</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Sem jogo</translation>
    </message>
    <message>
        <source>Score: %1 pt.  %2 ph.</source>
        <translation>Pontuação: %1 pt.  fase %2</translation>
    </message>
    <message>
        <source>Record: %1 pt.  %2 ph.</source>
        <translation>Recorde: %1 pt.  fase %2</translation>
    </message>
</context>
<context>
    <name>AppPlayPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Nenhum)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Treino</translation>
    </message>
    <message>
        <source>Puzzling</source>
        <translation>Quebra-cabeça</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passos</translation>
    </message>
</context>
<context>
    <name>AppRenderer</name>
    <message>
        <source>G a m e  O v e r !</source>
        <extracomment>Spaced out letter by letter, with two spaces between the words.</extracomment>
        <translation>F i m  d e  j o g o !</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Dicas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Opening HTML help file.</source>
        <translation>Abrindo o arquivo de ajuda HTML.</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>[Control]</source>
        <translation>[Controle]</translation>
    </message>
    <message>
        <source>Mouse: Point the field.</source>
        <translation>Mouse: aponte para uma casa.</translation>
    </message>
    <message>
        <source>Keyboard: Put a paddle. Move an obstacle.</source>
        <translation>Teclado: coloque uma raquete. Empurre um obstáculo.</translation>
    </message>
    <message>
        <source>[Key Sets]</source>
        <translation>[Conjuntos de teclas]</translation>
    </message>
    <message>
        <source>Set 1: W, R, S, F</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Conjunto 1: W, R, S, F</translation>
    </message>
    <message>
        <source>Set 2: U, O, J, L</source>
        <extracomment>The letters name keys and stay as they are.</extracomment>
        <translation>Conjunto 2: U, O, J, L</translation>
    </message>
    <message>
        <source>Set 3: Left, Right</source>
        <extracomment>The arrow keys.</extracomment>
        <translation>Conjunto 3: Esquerda, Direita</translation>
    </message>
    <message>
        <source>[Score]</source>
        <translation>[Pontuação]</translation>
    </message>
    <message>
        <source>Point: 1 point for 1 bounce.</source>
        <translation>Ponto: 1 ponto por rebatida.</translation>
    </message>
    <message>
        <source>Phase: 1 phase for all paddles in the field.</source>
        <translation>Fase: 1 fase por todas as raquetes do campo.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Dicas</translation>
    </message>
    <message>
        <source>Clearing the record.</source>
        <translation>Apagando o recorde.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmação</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibição</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>&amp;Width (%1-%2):</source>
        <translation>&amp;Largura (%1-%2):</translation>
    </message>
    <message>
        <source>&amp;Height (%1-%2):</source>
        <translation>&amp;Altura (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;First (%1-%2):</source>
        <translation>Raquetes &amp;iniciais (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Plus (%1-%2):</source>
        <translation>Raquetes &amp;extras (%1-%2):</translation>
    </message>
    <message>
        <source>Paddle-&amp;Max (%1-%2):</source>
        <translation>Raquetes no &amp;máximo (%1-%2):</translation>
    </message>
    <message>
        <source>Sp&amp;eed (%1-%2 ms.):</source>
        <translation>&amp;Velocidade (%1-%2 ms):</translation>
    </message>
    <message>
        <source>&amp;Use Sweeper</source>
        <translation>&amp;Usar vassoura</translation>
    </message>
    <message>
        <source>&amp;Arrange:</source>
        <translation>&amp;Configuração:</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Casas</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Durante o jogo</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Tocar sons</translation>
    </message>
    <message>
        <source>&amp;Clear Record Now</source>
        <translation>Apagar o &amp;recorde agora</translation>
    </message>
    <message>
        <source>&amp;Stay on Top</source>
        <translation>&amp;Sempre no topo</translation>
    </message>
    <message>
        <source>Starting Time</source>
        <translation>Ao iniciar</translation>
    </message>
    <message>
        <source>&amp;Restore Record</source>
        <translation>Restaurar o r&amp;ecorde</translation>
    </message>
    <message>
        <source>R&amp;estore Window Position</source>
        <translation>Restaurar a posição da &amp;janela</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>All Def.</source>
        <translation>Tudo padrão</translation>
    </message>
</context>
</TS>
