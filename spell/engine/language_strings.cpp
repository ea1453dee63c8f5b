// The string table. Non-ASCII bytes are written as octal escapes in each
// language's code page; the comment beside each text shows it in UTF-8.
#include "spell/engine/language_strings.h"

namespace tq::spell {

namespace {

const char* const kTexts[kSpellLanguageCount][kSpellLanguageStringCount] = {
    // ltEnglish (Windows-1252)
    {
        "Check spelling as you type",
        "Correct spelling errors as you type",
        "Ignore words in &UPPERCASE",
        "Ignore words containing numbers",
        "Ignore &markup languages (HTML, XML, etc)",
        "Ignore Internet addresses",
        "Ignore quoted lines",
        "Ignore abbreviations",
        "Suggest from main dictionaries only",
        "Prompt on repeated word",
        "Automatically correct DUal capitals",
        "Confirmation:",
        "Delete this custom dictionary?",
        "(Ignore All / Change All)",
        "Spelling",
        "Spelling Options",
        "Dictionaries",
        "Words added with Ignore All / Change All",
        "New Custom Dictionary",
        "Not Found:",
        "Repeated Word:",
        "&Replace With:",
        "&Suggestions:",
        "&Undo",
        "&Options...",
        "&Ignore All",
        "I&gnore",
        "&Change All",
        "Cha&nge",
        "&Add",
        "Au&to-Correct",
        "&Help",
        "Cancel",
        "Reset Defaults",
        " O&ptions: ",
        " D&ictionaries: ",
        "Name",
        "Filename",
        "&Custom Dictionary:",
        "&Dictionaries ...",
        "Locate Dictionaries...",
        "Choose Folder Containing Dictionaries",
        " Custom Dictionaries: ",
        "&Edit",
        "&Delete",
        "&New",
        "&OK",
        "&Enter the new custom dictionary name:",
        "Add&ed Words",
        "These words will be considered correct during a spell check operation.",
        "Ignore &this word:",
        "A&uto-Correct Pairs",
        "These words will automatically be corrected when encountered during a spelling check.",
        "&Replace:",
        "&With:",
        "Ex&cluded Words",
        "These words will always be considered incorrect during a spell check operation.",
        "E&xclude this word:",
        "The spelling check is complete.",
        "Words checked:",
        "The selection has been checked.  Would you like to check the remainder of the document?",
        "(no suggestions)",
        "I&gnore",
        "&Ignore All",
        "&Add",
        "&Change All",
        "A&uto Correct",
        "&Spelling ...",
        "&Thorough suggestions",
    },
    // ltSwedish (Windows-1252)
    {
        "Kontrollera stavning medan du skriver",
        "R\344tta stavfel medan du skriver",  // Rätta stavfel medan du skriver
        "Ignorera ord med &VERSALER",
        "Ignorera ord som inneh\345ller siffror",      // Ignorera ord som innehåller siffror
        "&Ignorera m\344rkspr\345k (HTML, XML osv.)",  // &Ignorera märkspråk (HTML, XML osv.)
        "Ignorera Internetadresser",
        "Ignorera citerade rader",
        "Ignorera f\366rkortningar",                       // Ignorera förkortningar
        "F\366resl\345 endast fr\345n huvudordlistor",     // Föreslå endast från huvudordlistor
        "Fr\345ga vid upprepat ord",                       // Fråga vid upprepat ord
        "R\344tta automatiskt TV\345 inledande versaler",  // Rätta automatiskt TVå inledande versaler
        "Bekr\344ftelse:",                                 // Bekräftelse:
        "Vill du ta bort den h\344r egna ordlistan?",      // Vill du ta bort den här egna ordlistan?
        "(Ignorera alla / \304ndra alla)",                 // (Ignorera alla / Ändra alla)
        "Stavning",
        "Stavningsalternativ",
        "Ordlistor",
        "Ord tillagda med Ignorera alla / \304ndra alla",  // Ord tillagda med Ignorera alla / Ändra alla
        "Ny egen ordlista",
        "Hittades inte:",
        "Upprepat ord:",
        "&Ers\344tt med:",  // &Ersätt med:
        "&F\366rslag:",     // &Förslag:
        "&\305ngra",        // &Ångra
        "&Alternativ...",
        "I&gnorera alla",
        "&Ignorera",
        "\304&ndra alla",  // Ä&ndra alla
        "\304n&dra",       // Än&dra
        "&L\344gg till",   // &Lägg till
        "Au&tokorrigera",
        "&Hj\344lp",  // &Hjälp
        "Avbryt",
        "\305terst\344ll standard",  // Återställ standard
        " Al&ternativ: ",
        " Or&dlistor: ",
        "Namn",
        "Filnamn",
        "&Egen ordlista:",
        "O&rdlistor ...",
        "Hitta ordlistor...",
        "V\344lj mappen som inneh\345ller ordlistor",  // Välj mappen som innehåller ordlistor
        " Egna ordlistor: ",
        "&Redigera",
        "&Ta bort",
        "&Ny",
        "&OK",
        "&Ange namnet p\345 den nya egna ordlistan:",  // &Ange namnet på den nya egna ordlistan:
        "T&illagda ord",
        "De h\344r orden r\344knas som korrekta vid stavningskontroll.",  // De här orden räknas som korrekta vid
                                                                          // stavningskontroll.
        "Ignorera &det h\344r ordet:",                                    // Ignorera &det här ordet:
        "&Autokorrigeringspar",
        "De h\344r orden r\344ttas automatiskt n\344r de p\345tr\344ffas vid stavningskontroll.",  // De här orden
                                                                                                   // rättas automatiskt
                                                                                                   // när de påträffas
                                                                                                   // vid
                                                                                                   // stavningskontroll.
        "&Ers\344tt:",  // &Ersätt:
        "&Med:",
        "&Uteslutna ord",
        "De h\344r orden r\344knas alltid som felaktiga vid stavningskontroll.",  // De här orden räknas alltid som
                                                                                  // felaktiga vid stavningskontroll.
        "Uteslut &det h\344r ordet:",                                             // Uteslut &det här ordet:
        "Stavningskontrollen \344r klar.",                                        // Stavningskontrollen är klar.
        "Kontrollerade ord:",
        "Markeringen har kontrollerats.  Vill du kontrollera resten av dokumentet?",
        "(inga f\366rslag)",  // (inga förslag)
        "&Ignorera",
        "I&gnorera alla",
        "&L\344gg till",   // &Lägg till
        "\304&ndra alla",  // Ä&ndra alla
        "A&utokorrigera",
        "&Stavning ...",
        "&Grundliga f\366rslag",  // &Grundliga förslag
    },
    // ltBrPort (Windows-1252)
    {
        "Verificar ortografia ao digitar",
        "Corrigir erros de ortografia ao digitar",
        "Ignorar palavras em &MAI\332SCULAS",                      // Ignorar palavras em &MAIÚSCULAS
        "Ignorar palavras com n\372meros",                         // Ignorar palavras com números
        "Ignorar linguagens de marca\347\343o (&HTML, XML etc.)",  // Ignorar linguagens de marcação (&HTML, XML etc.)
        "Ignorar endere\347os da Internet",                        // Ignorar endereços da Internet
        "Ignorar linhas citadas",
        "Ignorar abrevia\347\365es",                      // Ignorar abreviações
        "Sugerir somente dos dicion\341rios principais",  // Sugerir somente dos dicionários principais
        "Avisar sobre palavra repetida",
        "Corrigir automaticamente DUas mai\372sculas",  // Corrigir automaticamente DUas maiúsculas
        "Confirma\347\343o:",                           // Confirmação:
        "Excluir este dicion\341rio personalizado?",    // Excluir este dicionário personalizado?
        "(Ignorar todas / Alterar todas)",
        "Ortografia",
        "Op\347\365es de ortografia",  // Opções de ortografia
        "Dicion\341rios",              // Dicionários
        "Palavras adicionadas com Ignorar todas / Alterar todas",
        "Novo dicion\341rio personalizado",  // Novo dicionário personalizado
        "N\343o encontrada:",                // Não encontrada:
        "Palavra repetida:",
        "&Substituir por:",
        "Su&gest\365es:",  // Su&gestões:
        "D&esfazer",
        "&Op\347\365es...",  // &Opções...
        "Ignorar &todas",
        "&Ignorar",
        "A&lterar todas",
        "&Alterar",
        "A&dicionar",
        "Auto&Corre\347\343o",  // Auto&Correção
        "Aj&uda",
        "Cancelar",
        "Restaurar padr\365es",  // Restaurar padrões
        " Op&\347\365es: ",      //  Op&ções:
        " D&icion\341rios: ",    //  D&icionários:
        "Nome",
        "Nome do arquivo",
        "Dicion\341rio &personalizado:",                    // Dicionário &personalizado:
        "&Dicion\341rios ...",                              // &Dicionários ...
        "Localizar dicion\341rios...",                      // Localizar dicionários...
        "Escolha a pasta que cont\351m os dicion\341rios",  // Escolha a pasta que contém os dicionários
        " Dicion\341rios personalizados: ",                 //  Dicionários personalizados:
        "&Editar",
        "E&xcluir",
        "&Novo",
        "&OK",
        "&Digite o nome do novo dicion\341rio personalizado:",  // &Digite o nome do novo dicionário personalizado:
        "Palavras adicio&nadas",
        "Estas palavras ser\343o consideradas corretas durante a verifica\347\343o ortogr\341fica.",  // Estas palavras
                                                                                                      // serão
                                                                                                      // consideradas
                                                                                                      // corretas
                                                                                                      // durante a
                                                                                                      // verificação
                                                                                                      // ortográfica.
        "&Ignorar esta palavra:",
        "Pares de &autocorre\347\343o",  // Pares de &autocorreção
        "Estas palavras ser\343o corrigidas automaticamente quando encontradas durante a verifica\347\343o "
        "ortogr\341fica.",  // Estas palavras serão corrigidas automaticamente quando encontradas durante a verificação
                            // ortográfica.
        "&Substituir:",
        "&Por:",
        "Palavras &exclu\355das",  // Palavras &excluídas
        "Estas palavras ser\343o sempre consideradas incorretas durante a verifica\347\343o ortogr\341fica.",  // Estas
                                                                                                               // palavras
                                                                                                               // serão
                                                                                                               // sempre
                                                                                                               // consideradas
                                                                                                               // incorretas
                                                                                                               // durante
                                                                                                               // a
                                                                                                               // verificação
                                                                                                               // ortográfica.
        "Excluir esta &palavra:",
        "A verifica\347\343o ortogr\341fica est\341 conclu\355da.",  // A verificação ortográfica está concluída.
        "Palavras verificadas:",
        "A sele\347\343o foi verificada.  Deseja verificar o restante do documento?",  // A seleção foi verificada.
                                                                                       // Deseja verificar o restante do
                                                                                       // documento?
        "(sem sugest\365es)",                                                          // (sem sugestões)
        "&Ignorar",
        "Ignorar &todas",
        "A&dicionar",
        "A&lterar todas",
        "A&utoCorre\347\343o",  // A&utoCorreção
        "&Ortografia ...",
        "&Sugest\365es mais completas",  // &Sugestões mais completas
    },
    // ltAfrikaans (Windows-1252)
    {
        "Kontroleer spelling terwyl u tik",
        "Korrigeer spelfoute terwyl u tik",
        "&Ignoreer woorde in HOOFLETTERS",
        "Ignoreer woorde met syfers",
        "Ignoreer opmaaktale (HTML, &XML, ens.)",
        "Ignoreer Internetadresse",
        "Ignoreer aangehaalde re\353ls",  // Ignoreer aangehaalde reëls
        "Ignoreer afkortings",
        "Stel slegs voor uit hoofwoordeboeke",
        "Vra by herhaalde woord",
        "Korrigeer TWee hoofletters outomaties",
        "Bevestiging:",
        "Skrap hierdie eie woordeboek?",
        "(Ignoreer almal / Verander almal)",
        "Spelling",
        "Spellingopsies",
        "Woordeboeke",
        "Woorde bygevoeg met Ignoreer almal / Verander almal",
        "Nuwe eie woordeboek",
        "Nie gevind nie:",
        "Herhaalde woord:",
        "Vervang &met:",
        "Voor&stelle:",
        "O&ntdoen",
        "&Opsies...",
        "&Ignoreer almal",
        "I&gnoreer",
        "Verander &almal",
        "Ve&rander",
        "&Voeg by",
        "Ou&tokorrigeer",
        "&Hulp",
        "Kanselleer",
        "Herstel verstekwaardes",
        " O&psies: ",
        " Woo&rdeboeke: ",
        "Naam",
        "L\352ernaam",  // Lêernaam
        "&Eie woordeboek:",
        "&Woordeboeke ...",
        "Soek woordeboeke...",
        "Kies die vouer met die woordeboeke",
        " Eie woordeboeke: ",
        "&Wysig",
        "&Skrap",
        "&Nuut",
        "&OK",
        "&Tik die naam van die nuwe eie woordeboek:",
        "&Bygevoegde woorde",
        "Hierdie woorde sal tydens 'n speltoets as korrek beskou word.",
        "Ignoreer hierdie &woord:",
        "Ou&tokorreksiepare",
        "Hierdie woorde sal outomaties gekorrigeer word wanneer dit tydens 'n speltoets te\353gekom word.",  // Hierdie
                                                                                                             // woorde
                                                                                                             // sal
                                                                                                             // outomaties
                                                                                                             // gekorrigeer
                                                                                                             // word
                                                                                                             // wanneer
                                                                                                             // dit
                                                                                                             // tydens
                                                                                                             // 'n
                                                                                                             // speltoets
                                                                                                             // teëgekom
                                                                                                             // word.
        "V&ervang:",
        "&Met:",
        "&Uitgeslote woorde",
        "Hierdie woorde sal tydens 'n speltoets altyd as verkeerd beskou word.",
        "Sluit hierdie &woord uit:",
        "Die speltoets is voltooi.",
        "Woorde getoets:",
        "Die keuse is getoets.  Wil u die res van die dokument toets?",
        "(geen voorstelle nie)",
        "I&gnoreer",
        "&Ignoreer almal",
        "&Voeg by",
        "Verander &almal",
        "O&utokorrigeer",
        "&Spelling ...",
        "&Deeglike voorstelle",
    },
    // ltGerman (Windows-1252)
    {
        "Rechtschreibung w\344hrend der Eingabe pr\374fen",       // Rechtschreibung während der Eingabe prüfen
        "Rechtschreibfehler w\344hrend der Eingabe korrigieren",  // Rechtschreibfehler während der Eingabe korrigieren
        "W\366rter in &GROSSBUCHSTABEN ignorieren",               // Wörter in &GROSSBUCHSTABEN ignorieren
        "W\366rter mit Zahlen ignorieren",                        // Wörter mit Zahlen ignorieren
        "&Auszeichnungssprachen ignorieren (HTML, XML usw.)",
        "Internetadressen ignorieren",
        "Zitierte Zeilen ignorieren",
        "Abk\374rzungen ignorieren",                     // Abkürzungen ignorieren
        "Nur aus Hauptw\366rterb\374chern vorschlagen",  // Nur aus Hauptwörterbüchern vorschlagen
        "Bei wiederholtem Wort nachfragen",
        "ZWei Gro\337buchstaben am Wortanfang automatisch korrigieren",  // ZWei Großbuchstaben am Wortanfang
                                                                         // automatisch korrigieren
        "Best\344tigung:",                                               // Bestätigung:
        "Dieses Benutzerw\366rterbuch l\366schen?",                      // Dieses Benutzerwörterbuch löschen?
        "(Alle ignorieren / Alle \344ndern)",                            // (Alle ignorieren / Alle ändern)
        "Rechtschreibung",
        "Rechtschreiboptionen",
        "W\366rterb\374cher",                                              // Wörterbücher
        "Mit Alle ignorieren / Alle \344ndern hinzugef\374gte W\366rter",  // Mit Alle ignorieren / Alle ändern
                                                                           // hinzugefügte Wörter
        "Neues Benutzerw\366rterbuch",                                     // Neues Benutzerwörterbuch
        "Nicht gefunden:",
        "Wiederholtes Wort:",
        "Ersetzen &durch:",
        "&Vorschl\344ge:",    // &Vorschläge:
        "&R\374ckg\344ngig",  // &Rückgängig
        "&Optionen...",
        "All&e ignorieren",
        "I&gnorieren",
        "&Alle \344ndern",  // &Alle ändern
        "\304&ndern",       // Ä&ndern
        "H&inzuf\374gen",   // H&inzufügen
        "Au&toKorrektur",
        "&Hilfe",
        "Abbrechen",
        "Standardwerte",
        " O&ptionen: ",
        " W&\366rterb\374cher: ",  //  W&örterbücher:
        "Name",
        "Dateiname",
        "&Benutzerw\366rterbuch:",                      // &Benutzerwörterbuch:
        "&W\366rterb\374cher ...",                      // &Wörterbücher ...
        "W\366rterb\374cher suchen...",                 // Wörterbücher suchen...
        "Ordner mit W\366rterb\374chern ausw\344hlen",  // Ordner mit Wörterbüchern auswählen
        " Benutzerw\366rterb\374cher: ",                //  Benutzerwörterbücher:
        "&Bearbeiten",
        "&L\366schen",  // &Löschen
        "&Neu",
        "&OK",
        "&Name des neuen Benutzerw\366rterbuchs eingeben:",  // &Name des neuen Benutzerwörterbuchs eingeben:
        "Hinzugef\374gte &W\366rter",                        // Hinzugefügte &Wörter
        "Diese W\366rter gelten bei der Rechtschreibpr\374fung als richtig.",  // Diese Wörter gelten bei der
                                                                               // Rechtschreibprüfung als richtig.
        "&Dieses Wort ignorieren:",
        "Auto&Korrektur-Paare",
        "Diese W\366rter werden bei der Rechtschreibpr\374fung automatisch korrigiert.",  // Diese Wörter werden bei der
                                                                                          // Rechtschreibprüfung
                                                                                          // automatisch korrigiert.
        "E&rsetzen:",
        "&Durch:",
        "&Ausgeschlossene W\366rter",                                               // &Ausgeschlossene Wörter
        "Diese W\366rter gelten bei der Rechtschreibpr\374fung immer als falsch.",  // Diese Wörter gelten bei der
                                                                                    // Rechtschreibprüfung immer als
                                                                                    // falsch.
        "Dieses Wort aus&schlie\337en:",                                            // Dieses Wort aus&schließen:
        "Die Rechtschreibpr\374fung ist abgeschlossen.",  // Die Rechtschreibprüfung ist abgeschlossen.
        "Gepr\374fte W\366rter:",                         // Geprüfte Wörter:
        "Die Markierung wurde gepr\374ft.  M\366chten Sie den Rest des Dokuments pr\374fen?",  // Die Markierung wurde
                                                                                               // geprüft.  Möchten Sie
                                                                                               // den Rest des Dokuments
                                                                                               // prüfen?
        "(keine Vorschl\344ge)",  // (keine Vorschläge)
        "&Ignorieren",
        "&Alle ignorieren",
        "&Hinzuf\374gen",   // &Hinzufügen
        "A&lle \344ndern",  // A&lle ändern
        "Auto&Korrektur",
        "&Rechtschreibung ...",
        "Gr\374ndliche &Vorschl\344ge",  // Gründliche &Vorschläge
    },
    // ltSpanish (Windows-1252)
    {
        "Revisar ortograf\355a mientras escribe",             // Revisar ortografía mientras escribe
        "Corregir errores ortogr\341ficos mientras escribe",  // Corregir errores ortográficos mientras escribe
        "Omitir palabras en &MAY\332SCULAS",                  // Omitir palabras en &MAYÚSCULAS
        "Omitir palabras con n\372meros",                     // Omitir palabras con números
        "Omitir lenguajes de marcado (&HTML, XML, etc.)",
        "Omitir direcciones de Internet",
        "Omitir l\355neas citadas",  // Omitir líneas citadas
        "Omitir abreviaturas",
        "Sugerir solo de los diccionarios principales",
        "Avisar de palabras repetidas",
        "Corregir autom\341ticamente DOs may\372sculas iniciales",  // Corregir automáticamente DOs mayúsculas iniciales
        "Confirmaci\363n:",                                         // Confirmación:
        "\277Eliminar este diccionario personalizado?",             // ¿Eliminar este diccionario personalizado?
        "(Omitir todas / Cambiar todas)",
        "Ortograf\355a",              // Ortografía
        "Opciones de ortograf\355a",  // Opciones de ortografía
        "Diccionarios",
        "Palabras agregadas con Omitir todas / Cambiar todas",
        "Nuevo diccionario personalizado",
        "No encontrada:",
        "Palabra repetida:",
        "&Reemplazar con:",
        "&Sugerencias:",
        "&Deshacer",
        "O&pciones...",
        "O&mitir todas",
        "&Omitir",
        "Cambiar &todas",
        "&Cambiar",
        "A&gregar",
        "&Autocorrecci\363n",  // &Autocorrección
        "Ay&uda",
        "Cancelar",
        "Restablecer valores",
        " &Opciones: ",
        " D&iccionarios: ",
        "Nombre",
        "Nombre de archivo",
        "Diccionario &personalizado:",
        "&Diccionarios ...",
        "Buscar diccionarios...",
        "Elija la carpeta que contiene los diccionarios",
        " Diccionarios personalizados: ",
        "&Editar",
        "E&liminar",
        "&Nuevo",
        "&Aceptar",
        "&Escriba el nombre del nuevo diccionario personalizado:",
        "Palabras agr&egadas",
        "Estas palabras se considerar\341n correctas durante la revisi\363n ortogr\341fica.",  // Estas palabras se
                                                                                               // considerarán correctas
                                                                                               // durante la revisión
                                                                                               // ortográfica.
        "&Omitir esta palabra:",
        "Pares &de autocorrecci\363n",  // Pares &de autocorrección
        "Estas palabras se corregir\341n autom\341ticamente cuando aparezcan durante la revisi\363n ortogr\341fica.",  // Estas palabras se corregirán automáticamente cuando aparezcan durante la revisión ortográfica.
        "&Reemplazar:",
        "&Con:",
        "&Palabras excluidas",
        "Estas palabras se considerar\341n siempre incorrectas durante la revisi\363n ortogr\341fica.",  // Estas
                                                                                                         // palabras se
                                                                                                         // considerarán
                                                                                                         // siempre
                                                                                                         // incorrectas
                                                                                                         // durante la
                                                                                                         // revisión
                                                                                                         // ortográfica.
        "E&xcluir esta palabra:",
        "La revisi\363n ortogr\341fica ha finalizado.",  // La revisión ortográfica ha finalizado.
        "Palabras revisadas:",
        "Se ha revisado la selecci\363n.  \277Desea revisar el resto del documento?",  // Se ha revisado la selección.
                                                                                       // ¿Desea revisar el resto del
                                                                                       // documento?
        "(sin sugerencias)",
        "&Omitir",
        "O&mitir todas",
        "&Agregar",
        "Cambiar &todas",
        "A&utocorrecci\363n",  // A&utocorrección
        "O&rtograf\355a ...",  // O&rtografía ...
        "&Sugerencias exhaustivas",
    },
    // ltRussian (Windows-1251)
    {
        "\317\360\356\342\345\360\377\362\374 \356\360\364\356\343\360\340\364\350\376 \357\360\350 "
        "\342\342\356\344\345",  // Проверять орфографию при вводе
        "\310\361\357\360\340\342\353\377\362\374 \356\370\350\341\352\350 \357\360\350 \342\342\356\344\345",  // Исправлять
                                                                                                                // ошибки
                                                                                                                // при
                                                                                                                // вводе
        "\317\360\356\357\363\361\352\340\362\374 \361\353\356\342\340 &\350\347 \317\320\316\317\310\321\315\333\325 "
        "\341\363\352\342",  // Пропускать слова &из ПРОПИСНЫХ букв
        "\317\360\356\357\363\361\352\340\362\374 \361\353\356\342\340 \361 \366\350\364\360\340\354\350",  // Пропускать
                                                                                                            // слова с
                                                                                                            // цифрами
        "\317\360\356\357\363\361\352\340\362\374 \377\347\373\352\350 \360\340\347\354\345\362\352\350 (&HTML, XML "
        "\350 \362. \357.)",  // Пропускать языки разметки (&HTML, XML и т. п.)
        "\317\360\356\357\363\361\352\340\362\374 \340\344\360\345\361\340 \310\355\362\345\360\355\345\362\340",  // Пропускать
                                                                                                                   // адреса
                                                                                                                   // Интернета
        "\317\360\356\357\363\361\352\340\362\374 \366\350\362\350\360\363\345\354\373\345 \361\362\360\356\352\350",  // Пропускать цитируемые строки
        "\317\360\356\357\363\361\352\340\362\374 \361\356\352\360\340\371\345\355\350\377",  // Пропускать сокращения
        "\317\360\345\344\353\340\343\340\362\374 \362\356\353\374\352\356 \350\347 \356\361\355\356\342\355\373\365 "
        "\361\353\356\342\340\360\345\351",  // Предлагать только из основных словарей
        "\321\356\356\341\371\340\362\374 \356 \357\356\342\362\356\360\377\376\371\345\354\361\377 "
        "\361\353\356\342\345",  // Сообщать о повторяющемся слове
        "\300\342\362\356\354\340\362\350\367\345\361\352\350 \350\361\357\360\340\342\353\377\362\374 \304\302\345 "
        "\357\360\356\357\350\361\355\373\345 \341\363\352\342\373",  // Автоматически исправлять ДВе прописные буквы
        "\317\356\344\362\342\345\360\346\344\345\355\350\345:",  // Подтверждение:
        "\323\344\340\353\350\362\374 \375\362\356\362 "
        "\357\356\353\374\347\356\342\340\362\345\353\374\361\352\350\351 \361\353\356\342\340\360\374?",  // Удалить
                                                                                                           // этот
                                                                                                           // пользовательский
                                                                                                           // словарь?
        "(\317\360\356\357\363\361\362\350\362\374 \342\361\345 / \307\340\354\345\355\350\362\374 \342\361\345)",  // (Пропустить все / Заменить все)
        "\316\360\364\356\343\360\340\364\350\377",                                       // Орфография
        "\317\340\360\340\354\345\362\360\373 \356\360\364\356\343\360\340\364\350\350",  // Параметры орфографии
        "\321\353\356\342\340\360\350",                                                   // Словари
        "\321\353\356\342\340, \344\356\341\340\342\353\345\355\355\373\345 \352\356\354\340\355\344\340\354\350 "
        "\317\360\356\357\363\361\362\350\362\374 \342\361\345 / \307\340\354\345\355\350\362\374 \342\361\345",  // Слова,
                                                                                                                  // добавленные
                                                                                                                  // командами
                                                                                                                  // Пропустить
                                                                                                                  // все
                                                                                                                  // /
                                                                                                                  // Заменить
                                                                                                                  // все
        "\315\356\342\373\351 \357\356\353\374\347\356\342\340\362\345\353\374\361\352\350\351 "
        "\361\353\356\342\340\360\374",  // Новый пользовательский словарь
        "\315\345\362 \342 \361\353\356\342\340\360\345:",                             // Нет в словаре:
        "\317\356\342\362\356\360\377\376\371\345\345\361\377 \361\353\356\342\356:",  // Повторяющееся слово:
        "\307\340\354\345\355\350\362\374 &\355\340:",                                 // Заменить &на:
        "&\302\340\360\350\340\355\362\373:",                                          // &Варианты:
        "&\316\362\354\345\355\350\362\374",                                           // &Отменить
        "\317&\340\360\340\354\345\362\360\373...",                                    // П&араметры...
        "\317\360\356\357\363&\361\362\350\362\374 \342\361\345",                      // Пропу&стить все
        "\317&\360\356\357\363\361\362\350\362\374",                                   // П&ропустить
        "\307\340&\354\345\355\350\362\374 \342\361\345",                              // За&менить все
        "&\307\340\354\345\355\350\362\374",                                           // &Заменить
        "&\304\356\341\340\342\350\362\374",                                           // &Добавить
        "\300\342&\362\356\347\340\354\345\355\340",                                   // Ав&тозамена
        "\321&\357\360\340\342\352\340",                                               // С&правка
        "\316\362\354\345\355\340",                                                    // Отмена
        "\317\356 \363\354\356\353\367\340\355\350\376",                               // По умолчанию
        " \317&\340\360\340\354\345\362\360\373: ",                                    //  П&араметры:
        " \321&\353\356\342\340\360\350: ",                                            //  С&ловари:
        "\310\354\377",                                                                // Имя
        "\310\354\377 \364\340\351\353\340",                                           // Имя файла
        "\317\356\353\374&\347\356\342\340\362\345\353\374\361\352\350\351 \361\353\356\342\340\360\374:",  // Поль&зовательский
                                                                                                            // словарь:
        "&\321\353\356\342\340\360\350 ...",                     // &Словари ...
        "\315\340\351\362\350 \361\353\356\342\340\360\350...",  // Найти словари...
        "\302\373\341\345\360\350\362\345 \357\340\357\352\363 \361\356 \361\353\356\342\340\360\377\354\350",  // Выберите
                                                                                                                // папку
                                                                                                                // со
                                                                                                                // словарями
        " \317\356\353\374\347\356\342\340\362\345\353\374\361\352\350\345 \361\353\356\342\340\360\350: ",  //  Пользовательские
                                                                                                             //  словари:
        "&\310\347\354\345\355\350\362\374",  // &Изменить
        "&\323\344\340\353\350\362\374",      // &Удалить
        "&\321\356\347\344\340\362\374",      // &Создать
        "&\316\312",                          // &ОК
        "&\302\342\345\344\350\362\345 \350\354\377 \355\356\342\356\343\356 "
        "\357\356\353\374\347\356\342\340\362\345\353\374\361\352\356\343\356 \361\353\356\342\340\360\377:",  // &Введите
                                                                                                               // имя
                                                                                                               // нового
                                                                                                               // пользовательского
                                                                                                               // словаря:
        "\304\356\341\340\342\353\345\355\355\373&\345 \361\353\356\342\340",  // Добавленны&е слова
        "\335\362\350 \361\353\356\342\340 \341\363\344\363\362 \361\367\350\362\340\362\374\361\377 "
        "\357\360\340\342\350\353\374\355\373\354\350 \357\360\350 \357\360\356\342\345\360\352\345 "
        "\356\360\364\356\343\360\340\364\350\350.",  // Эти слова будут считаться правильными при проверке орфографии.
        "\317\360\356\357\363\361\352\340\362\374 &\375\362\356 \361\353\356\342\356:",  // Пропускать &это слово:
        "\317\340\360\373 &\340\342\362\356\347\340\354\345\355\373",  // Пары &автозамены
        "\335\362\350 \361\353\356\342\340 \341\363\344\363\362 \340\342\362\356\354\340\362\350\367\345\361\352\350 "
        "\350\361\357\360\340\342\353\377\362\374\361\377 \357\360\350 \357\360\356\342\345\360\352\345 "
        "\356\360\364\356\343\360\340\364\350\350.",  // Эти слова будут автоматически исправляться при проверке
                                                      // орфографии.
        "&\307\340\354\345\355\350\362\374:",                                  // &Заменить:
        "&\315\340:",                                                          // &На:
        "&\310\361\352\353\376\367\270\355\355\373\345 \361\353\356\342\340",  // &Исключённые слова
        "\335\362\350 \361\353\356\342\340 \342\361\345\343\344\340 \341\363\344\363\362 "
        "\361\367\350\362\340\362\374\361\377 \356\370\350\341\356\367\355\373\354\350 \357\360\350 "
        "\357\360\356\342\345\360\352\345 \356\360\364\356\343\360\340\364\350\350.",  // Эти слова всегда будут
                                                                                       // считаться ошибочными при
                                                                                       // проверке орфографии.
        "\310\361\352\353\376\367\350\362\374 &\375\362\356 \361\353\356\342\356:",  // Исключить &это слово:
        "\317\360\356\342\345\360\352\340 \356\360\364\356\343\360\340\364\350\350 "
        "\347\340\342\345\360\370\345\355\340.",  // Проверка орфографии завершена.
        "\317\360\356\342\345\360\345\355\356 \361\353\356\342:",  // Проверено слов:
        "\302\373\344\345\353\345\355\355\373\351 \364\360\340\343\354\345\355\362 \357\360\356\342\345\360\345\355.  "
        "\317\360\356\342\345\360\350\362\374 \356\361\362\340\353\374\355\363\376 \367\340\361\362\374 "
        "\344\356\352\363\354\345\355\362\340?",  // Выделенный фрагмент проверен.  Проверить остальную часть документа?
        "(\355\345\362 \342\340\360\350\340\355\362\356\342)",     // (нет вариантов)
        "\317&\360\356\357\363\361\362\350\362\374",               // П&ропустить
        "\317\360\356\357\363\361\362\350\362\374 &\342\361\345",  // Пропустить &все
        "&\304\356\341\340\342\350\362\374",                       // &Добавить
        "\307\340&\354\345\355\350\362\374 \342\361\345",          // За&менить все
        "\300\342&\362\356\347\340\354\345\355\340",               // Ав&тозамена
        "&\316\360\364\356\343\360\340\364\350\377 ...",           // &Орфография ...
        "&\322\371\340\362\345\353\374\355\373\351 "
        "\357\356\344\341\356\360 \342\340\360\350\340\355\362\356\342",  // &Тщательный подбор вариантов
    },
    // ltCzech (Windows-1250)
    {
        "Kontrolovat pravopis b\354hem psan\355",                    // Kontrolovat pravopis během psaní
        "Opravovat pravopisn\351 chyby b\354hem psan\355",           // Opravovat pravopisné chyby během psaní
        "&P\370eskakovat slova VELK\335MI P\315SMENY",               // &Přeskakovat slova VELKÝMI PÍSMENY
        "P\370eskakovat slova obsahuj\355c\355 \350\355slice",       // Přeskakovat slova obsahující číslice
        "P\370eskakovat zna\350kovac\355 jazyky (&HTML, XML atd.)",  // Přeskakovat značkovací jazyky (&HTML, XML atd.)
        "P\370eskakovat internetov\351 adresy",                      // Přeskakovat internetové adresy
        "P\370eskakovat citovan\351 \370\341dky",                    // Přeskakovat citované řádky
        "P\370eskakovat zkratky",                                    // Přeskakovat zkratky
        "Navrhovat pouze z hlavn\355ch slovn\355k\371",              // Navrhovat pouze z hlavních slovníků
        "Upozor\362ovat na opakovan\351 slovo",                      // Upozorňovat na opakované slovo
        "Automaticky opravovat DV\354 velk\341 p\355smena",          // Automaticky opravovat DVě velká písmena
        "Potvrzen\355:",                                             // Potvrzení:
        "Odstranit tento vlastn\355 slovn\355k?",                    // Odstranit tento vlastní slovník?
        "(P\370esko\350it v\232e / Zam\354nit v\232e)",              // (Přeskočit vše / Zaměnit vše)
        "Pravopis",
        "Mo\236nosti pravopisu",                                                         // Možnosti pravopisu
        "Slovn\355ky",                                                                   // Slovníky
        "Slova p\370idan\341 p\370\355kazy P\370esko\350it v\232e / Zam\354nit v\232e",  // Slova přidaná příkazy
                                                                                         // Přeskočit vše / Zaměnit vše
        "Nov\375 vlastn\355 slovn\355k",  // Nový vlastní slovník
        "Nenalezeno:",
        "Opakovan\351 slovo:",  // Opakované slovo:
        "Nahradit &slovem:",
        "&N\341vrhy:",              // &Návrhy:
        "&Zp\354t",                 // &Zpět
        "M&o\236nosti...",          // M&ožnosti...
        "P\370esko\350it &v\232e",  // Přeskočit &vše
        "&P\370esko\350it",         // &Přeskočit
        "Zam\354nit v&\232e",       // Zaměnit v&še
        "Za&m\354nit",              // Za&měnit
        "P\370id&at",               // Přid&at
        "Au&tomatick\351 opravy",   // Au&tomatické opravy
        "N&\341pov\354da",          // N&ápověda
        "Storno",
        "Obnovit v\375choz\355",             // Obnovit výchozí
        " &Mo\236nosti: ",                   //  &Možnosti:
        " S&lovn\355ky: ",                   //  S&lovníky:
        "N\341zev",                          // Název
        "N\341zev souboru",                  // Název souboru
        "&Vlastn\355 slovn\355k:",           // &Vlastní slovník:
        "&Slovn\355ky ...",                  // &Slovníky ...
        "Vyhledat slovn\355ky...",           // Vyhledat slovníky...
        "Vyberte slo\236ku se slovn\355ky",  // Vyberte složku se slovníky
        " Vlastn\355 slovn\355ky: ",         //  Vlastní slovníky:
        "&Upravit",
        "O&dstranit",
        "&Nov\375",  // &Nový
        "&OK",
        "&Zadejte n\341zev nov\351ho vlastn\355ho slovn\355ku:",  // &Zadejte název nového vlastního slovníku:
        "&P\370idan\341 slova",                                   // &Přidaná slova
        "Tato slova budou p\370i kontrole pravopisu pova\236ov\341na za spr\341vn\341.",  // Tato slova budou při
                                                                                          // kontrole pravopisu
                                                                                          // považována za správná.
        "P\370eskakovat &toto slovo:",                                                    // Přeskakovat &toto slovo:
        "Dvojice a&utomatick\375ch oprav",                                   // Dvojice a&utomatických oprav
        "Tato slova budou p\370i kontrole pravopisu automaticky opravena.",  // Tato slova budou při kontrole pravopisu
                                                                             // automaticky opravena.
        "&Nahradit:",
        "&\310\355m:",                                                                        // &Čím:
        "&Vylou\350en\341 slova",                                                             // &Vyloučená slova
        "Tato slova budou p\370i kontrole pravopisu v\236dy pova\236ov\341na za chybn\341.",  // Tato slova budou při
                                                                                              // kontrole pravopisu vždy
                                                                                              // považována za chybná.
        "V&ylou\350it toto slovo:",                                                 // V&yloučit toto slovo:
        "Kontrola pravopisu je dokon\350ena.",                                      // Kontrola pravopisu je dokončena.
        "Zkontrolov\341no slov:",                                                   // Zkontrolováno slov:
        "V\375b\354r byl zkontrolov\341n.  Chcete zkontrolovat zbytek dokumentu?",  // Výběr byl zkontrolován.  Chcete
                                                                                    // zkontrolovat zbytek dokumentu?
        "(\236\341dn\351 n\341vrhy)",  // (žádné návrhy)
        "P&\370esko\350it",            // P&řeskočit
        "P\370esko\350it &v\232e",     // Přeskočit &vše
        "P\370id&at",                  // Přid&at
        "Zam\354nit v&\232e",          // Zaměnit v&še
        "A&utomatick\351 opravy",      // A&utomatické opravy
        "&Pravopis ...",
        "&D\371kladn\351 n\341vrhy",  // &Důkladné návrhy
    },
    // ltDutch (Windows-1252)
    {
        "Spelling controleren tijdens typen",
        "Spelfouten verbeteren tijdens typen",
        "Woorden &in HOOFDLETTERS negeren",
        "Woorden met cijfers negeren",
        "Opmaaktalen &negeren (HTML, XML, enz.)",
        "Internetadressen negeren",
        "Geciteerde regels negeren",
        "Afkortingen negeren",
        "Alleen uit hoofdwoordenlijsten voorstellen",
        "Melden bij herhaald woord",
        "TWee hoofdletters automatisch verbeteren",
        "Bevestiging:",
        "Deze aangepaste woordenlijst verwijderen?",
        "(Alles negeren / Alles wijzigen)",
        "Spelling",
        "Spellingopties",
        "Woordenlijsten",
        "Woorden toegevoegd met Alles negeren / Alles wijzigen",
        "Nieuwe aangepaste woordenlijst",
        "Niet gevonden:",
        "Herhaald woord:",
        "&Vervangen door:",
        "&Suggesties:",
        "&Ongedaan maken",
        "O&pties...",
        "&Alles negeren",
        "&Negeren",
        "A&lles wijzigen",
        "&Wijzigen",
        "&Toevoegen",
        "A&utoCorrectie",
        "&Help",
        "Annuleren",
        "Standaardwaarden",
        " O&pties: ",
        " Woo&rdenlijsten: ",
        "Naam",
        "Bestandsnaam",
        "&Aangepaste woordenlijst:",
        "&Woordenlijsten ...",
        "Woordenlijsten zoeken...",
        "Kies de map met de woordenlijsten",
        " Aangepaste woordenlijsten: ",
        "&Bewerken",
        "&Verwijderen",
        "&Nieuw",
        "&OK",
        "&Geef de naam van de nieuwe aangepaste woordenlijst:",
        "Toegevoegde &woorden",
        "Deze woorden worden bij een spellingcontrole als juist beschouwd.",
        "&Dit woord negeren:",
        "&AutoCorrectie-paren",
        "Deze woorden worden automatisch verbeterd wanneer ze bij een spellingcontrole worden gevonden.",
        "V&ervangen:",
        "&Door:",
        "&Uitgesloten woorden",
        "Deze woorden worden bij een spellingcontrole altijd als onjuist beschouwd.",
        "&Dit woord uitsluiten:",
        "De spellingcontrole is voltooid.",
        "Gecontroleerde woorden:",
        "De selectie is gecontroleerd.  Wilt u de rest van het document controleren?",
        "(geen suggesties)",
        "&Negeren",
        "&Alles negeren",
        "&Toevoegen",
        "Alles &wijzigen",
        "A&utoCorrectie",
        "&Spelling ...",
        "&Grondige suggesties",
    },
    // ltDanish (Windows-1252)
    {
        "Kontroll\351r stavning under indtastning",  // Kontrollér stavning under indtastning
        "Ret stavefejl under indtastning",
        "Ignorer ord med &STORE BOGSTAVER",
        "Ignorer ord med tal",
        "&Ignorer opm\346rkningssprog (HTML, XML osv.)",  // &Ignorer opmærkningssprog (HTML, XML osv.)
        "Ignorer internetadresser",
        "Ignorer citerede linjer",
        "Ignorer forkortelser",
        "Foresl\345 kun fra hovedordb\370ger",  // Foreslå kun fra hovedordbøger
        "Sp\370rg ved gentaget ord",            // Spørg ved gentaget ord
        "Ret automatisk TO store begyndelsesbogstaver",
        "Bekr\346ftelse:",  // Bekræftelse:
        "Slet denne brugerordbog?",
        "(Ignorer alle / Ret alle)",
        "Stavning",
        "Stavningsindstillinger",
        "Ordb\370ger",                                  // Ordbøger
        "Ord tilf\370jet med Ignorer alle / Ret alle",  // Ord tilføjet med Ignorer alle / Ret alle
        "Ny brugerordbog",
        "Ikke fundet:",
        "Gentaget ord:",
        "&Erstat med:",
        "&Forslag:",
        "F&ortryd",
        "I&ndstillinger...",
        "I&gnorer alle",
        "&Ignorer",
        "Ret a&lle",
        "&Ret",
        "&Tilf\370j",  // &Tilføj
        "&Autokorrektur",
        "&Hj\346lp",  // &Hjælp
        "Annuller",
        "Gendan standard",
        " I&ndstillinger: ",
        " Or&db\370ger: ",  //  Or&dbøger:
        "Navn",
        "Filnavn",
        "&Brugerordbog:",
        "O&rdb\370ger ...",                  // O&rdbøger ...
        "Find ordb\370ger...",               // Find ordbøger...
        "V\346lg mappen med ordb\370gerne",  // Vælg mappen med ordbøgerne
        " Brugerordb\370ger: ",              //  Brugerordbøger:
        "R&ediger",
        "&Slet",
        "&Ny",
        "&OK",
        "&Angiv navnet p\345 den nye brugerordbog:",  // &Angiv navnet på den nye brugerordbog:
        "Ti&lf\370jede ord",                          // Ti&lføjede ord
        "Disse ord betragtes som korrekte under stavekontrollen.",
        "&Ignorer dette ord:",
        "&Autokorrekturpar",
        "Disse ord rettes automatisk, n\345r de findes under stavekontrollen.",  // Disse ord rettes automatisk, når de
                                                                                 // findes under stavekontrollen.
        "&Erstat:",
        "&Med:",
        "&Udeladte ord",
        "Disse ord betragtes altid som forkerte under stavekontrollen.",
        "Udelad &dette ord:",
        "Stavekontrollen er f\346rdig.",  // Stavekontrollen er færdig.
        "Kontrollerede ord:",
        "Markeringen er kontrolleret.  Vil du kontrollere resten af dokumentet?",
        "(ingen forslag)",
        "&Ignorer",
        "I&gnorer alle",
        "&Tilf\370j",  // &Tilføj
        "Ret a&lle",
        "A&utokorrektur",
        "&Stavning ...",
        "&Grundige forslag",
    },
    // ltPolish (Windows-1250)
    {
        "Sprawdzaj pisowni\352 podczas pisania",              // Sprawdzaj pisownię podczas pisania
        "Poprawiaj b\263\352dy pisowni podczas pisania",      // Poprawiaj błędy pisowni podczas pisania
        "Ignoruj s\263owa pisane &WIELKIMI LITERAMI",         // Ignoruj słowa pisane &WIELKIMI LITERAMI
        "Ignoruj s\263owa zawieraj\271ce cyfry",              // Ignoruj słowa zawierające cyfry
        "Ignoruj j\352zyki znacznik\363w (&HTML, XML itp.)",  // Ignoruj języki znaczników (&HTML, XML itp.)
        "Ignoruj adresy internetowe",
        "Ignoruj cytowane wiersze",
        "Ignoruj skr\363ty",                                 // Ignoruj skróty
        "Proponuj tylko ze s\263ownik\363w g\263\363wnych",  // Proponuj tylko ze słowników głównych
        "Pytaj o powt\363rzone s\263owo",                    // Pytaj o powtórzone słowo
        "Automatycznie poprawiaj DWie wielkie litery",
        "Potwierdzenie:",
        "Usun\271\346 ten s\263ownik niestandardowy?",  // Usunąć ten słownik niestandardowy?
        "(Ignoruj wszystko / Zmie\361 wszystkie)",      // (Ignoruj wszystko / Zmień wszystkie)
        "Pisownia",
        "Opcje pisowni",
        "S\263owniki",                                                  // Słowniki
        "S\263owa dodane przez Ignoruj wszystko / Zmie\361 wszystkie",  // Słowa dodane przez Ignoruj wszystko / Zmień
                                                                        // wszystkie
        "Nowy s\263ownik niestandardowy",                               // Nowy słownik niestandardowy
        "Nie znaleziono:",
        "Powt\363rzone s\263owo:",  // Powtórzone słowo:
        "Zamie\361 &na:",           // Zamień &na:
        "&Sugestie:",
        "Co&fnij",
        "&Opcje...",
        "Ignoruj &wszystko",
        "&Ignoruj",
        "Zmie\361 wszys&tkie",  // Zmień wszys&tkie
        "&Zmie\361",            // &Zmień
        "&Dodaj",
        "&AutoKorekta",
        "Pomo&c",
        "Anuluj",
        "Przywr\363\346 domy\234lne",  // Przywróć domyślne
        " O&pcje: ",
        " S&\263owniki: ",  //  S&łowniki:
        "Nazwa",
        "Nazwa pliku",
        "S\263ownik &niestandardowy:",                // Słownik &niestandardowy:
        "&S\263owniki ...",                           // &Słowniki ...
        "Znajd\237 s\263owniki...",                   // Znajdź słowniki...
        "Wybierz folder zawieraj\271cy s\263owniki",  // Wybierz folder zawierający słowniki
        " S\263owniki niestandardowe: ",              //  Słowniki niestandardowe:
        "&Edytuj",
        "&Usu\361",  // &Usuń
        "&Nowy",
        "&OK",
        "&Wpisz nazw\352 nowego s\263ownika niestandardowego:",  // &Wpisz nazwę nowego słownika niestandardowego:
        "Dodan&e s\263owa",                                      // Dodan&e słowa
        "Te s\263owa b\352d\271 uznawane za poprawne podczas sprawdzania pisowni.",  // Te słowa będą uznawane za
                                                                                     // poprawne podczas sprawdzania
                                                                                     // pisowni.
        "&Ignoruj to s\263owo:",                                                     // &Ignoruj to słowo:
        "&Pary autokorekty",
        "Te s\263owa b\352d\271 automatycznie poprawiane, gdy wyst\271pi\271 podczas sprawdzania pisowni.",  // Te słowa
                                                                                                             // będą
                                                                                                             // automatycznie
                                                                                                             // poprawiane,
                                                                                                             // gdy
                                                                                                             // wystąpią
                                                                                                             // podczas
                                                                                                             // sprawdzania
                                                                                                             // pisowni.
        "&Zamie\361:",  // &Zamień:
        "&Na:",
        "&S\263owa wykluczone",                                                                 // &Słowa wykluczone
        "Te s\263owa zawsze b\352d\271 uznawane za b\263\352dne podczas sprawdzania pisowni.",  // Te słowa zawsze będą
                                                                                                // uznawane za błędne
                                                                                                // podczas sprawdzania
                                                                                                // pisowni.
        "&Wyklucz to s\263owo:",                          // &Wyklucz to słowo:
        "Sprawdzanie pisowni zosta\263o zako\361czone.",  // Sprawdzanie pisowni zostało zakończone.
        "Sprawdzone s\263owa:",                           // Sprawdzone słowa:
        "Zaznaczenie zosta\263o sprawdzone.  Czy sprawdzi\346 pozosta\263\271 cz\352\234\346 dokumentu?",  // Zaznaczenie
                                                                                                           // zostało
                                                                                                           // sprawdzone.
                                                                                                           // Czy
                                                                                                           // sprawdzić
                                                                                                           // pozostałą
                                                                                                           // część
                                                                                                           // dokumentu?
        "(brak sugestii)",
        "&Ignoruj",
        "Ignoruj &wszystko",
        "&Dodaj",
        "Zmie\361 wszys&tkie",  // Zmień wszys&tkie
        "A&utokorekta",
        "&Pisownia ...",
        "&Dok\263adne sugestie",  // &Dokładne sugestie
    },
    // ltNorwegianBok (Windows-1252)
    {
        "Kontroller stavem\345te mens du skriver",  // Kontroller stavemåte mens du skriver
        "Rett stavefeil mens du skriver",
        "Ignorer ord med &STORE BOKSTAVER",
        "Ignorer ord som inneholder tall",
        "&Ignorer kodespr\345k (HTML, XML osv.)",  // &Ignorer kodespråk (HTML, XML osv.)
        "Ignorer Internett-adresser",
        "Ignorer siterte linjer",
        "Ignorer forkortelser",
        "Foresl\345 bare fra hovedordlister",  // Foreslå bare fra hovedordlister
        "Sp\370r ved gjentatt ord",            // Spør ved gjentatt ord
        "Rett automatisk TO store forbokstaver",
        "Bekreftelse:",
        "Vil du slette denne egendefinerte ordlisten?",
        "(Ignorer alle / Endre alle)",
        "Stavekontroll",
        "Alternativer for stavekontroll",
        "Ordlister",
        "Ord lagt til med Ignorer alle / Endre alle",
        "Ny egendefinert ordliste",
        "Ikke funnet:",
        "Gjentatt ord:",
        "&Erstatt med:",
        "&Forslag:",
        "&Angre",
        "Alte&rnativer...",
        "I&gnorer alle",
        "&Ignorer",
        "Endre a&lle",
        "En&dre",
        "Legg &til",
        "A&utoKorrektur",
        "&Hjelp",
        "Avbryt",
        "Tilbakestill standard",
        " Alterna&tiver: ",
        " Or&dlister: ",
        "Navn",
        "Filnavn",
        "&Egendefinert ordliste:",
        "O&rdlister ...",
        "Finn ordlister...",
        "Velg mappen som inneholder ordlistene",
        " Egendefinerte ordlister: ",
        "&Rediger",
        "&Slett",
        "&Ny",
        "&OK",
        "&Skriv inn navnet p\345 den nye egendefinerte ordlisten:",  // &Skriv inn navnet på den nye egendefinerte
                                                                     // ordlisten:
        "&Lagt til ord",
        "Disse ordene regnes som riktige under stavekontrollen.",
        "&Ignorer dette ordet:",
        "&AutoKorrektur-par",
        "Disse ordene rettes automatisk n\345r de oppdages under stavekontrollen.",  // Disse ordene rettes automatisk
                                                                                     // når de oppdages under
                                                                                     // stavekontrollen.
        "&Erstatt:",
        "&Med:",
        "&Utelatte ord",
        "Disse ordene regnes alltid som feil under stavekontrollen.",
        "Utelat &dette ordet:",
        "Stavekontrollen er fullf\370rt.",  // Stavekontrollen er fullført.
        "Kontrollerte ord:",
        "Merket tekst er kontrollert.  Vil du kontrollere resten av dokumentet?",
        "(ingen forslag)",
        "&Ignorer",
        "I&gnorer alle",
        "&Legg til",
        "&Endre alle",
        "A&utoKorrektur",
        "&Stavekontroll ...",
        "&Grundige forslag",
    },
    // ltFrench (Windows-1252)
    {
        "V\351rifier l'orthographe au cours de la frappe",  // Vérifier l'orthographe au cours de la frappe
        "Corriger les fautes d'orthographe au cours de la frappe",
        "Ignorer les mots en &MAJUSCULES",
        "Ignorer les mots contenant des chiffres",
        "Ignorer les langages de balisage (&HTML, XML, etc.)",
        "Ignorer les adresses Internet",
        "Ignorer les lignes cit\351es",                                     // Ignorer les lignes citées
        "Ignorer les abr\351viations",                                      // Ignorer les abréviations
        "Sugg\351rer \340 partir des dictionnaires principaux uniquement",  // Suggérer à partir des dictionnaires
                                                                            // principaux uniquement
        "Signaler les mots r\351p\351t\351s",                               // Signaler les mots répétés
        "Corriger automatiquement DEux majuscules en d\351but de mot",  // Corriger automatiquement DEux majuscules en
                                                                        // début de mot
        "Confirmation :",
        "Supprimer ce dictionnaire personnel ?",
        "(Ignorer tout / Remplacer tout)",
        "Orthographe",
        "Options d'orthographe",
        "Dictionnaires",
        "Mots ajout\351s par Ignorer tout / Remplacer tout",  // Mots ajoutés par Ignorer tout / Remplacer tout
        "Nouveau dictionnaire personnel",
        "Absent du dictionnaire :",
        "Mot r\351p\351t\351 :",  // Mot répété :
        "&Remplacer par :",
        "&Suggestions :",
        "A&nnuler",
        "&Options...",
        "&Ignorer tout",
        "I&gnorer",
        "Re&mplacer tout",
        "Rem&placer",
        "A&jouter",
        "Correc&tion auto",
        "&Aide",
        "Annuler",
        "Valeurs par d\351faut",  // Valeurs par défaut
        " Op&tions : ",
        " D&ictionnaires : ",
        "Nom",
        "Nom de fichier",
        "Dictionnaire &personnel :",
        "&Dictionnaires ...",
        "Rechercher les dictionnaires...",
        "Choisissez le dossier contenant les dictionnaires",
        " Dictionnaires personnels : ",
        "&Modifier",
        "&Supprimer",
        "&Nouveau",
        "&OK",
        "&Entrez le nom du nouveau dictionnaire personnel :",
        "Mots ajout&\351s",                                                                            // Mots ajout&és
        "Ces mots seront consid\351r\351s comme corrects lors de la v\351rification orthographique.",  // Ces mots
                                                                                                       // seront
                                                                                                       // considérés
                                                                                                       // comme corrects
                                                                                                       // lors de la
                                                                                                       // vérification
                                                                                                       // orthographique.
        "Ignorer &ce mot :",
        "Paires de correction a&utomatique",
        "Ces mots seront corrig\351s automatiquement lorsqu'ils seront rencontr\351s lors de la v\351rification "
        "orthographique.",  // Ces mots seront corrigés automatiquement lorsqu'ils seront rencontrés lors de la
                            // vérification orthographique.
        "&Remplacer :",
        "&Par :",
        "Mots &exclus",
        "Ces mots seront toujours consid\351r\351s comme incorrects lors de la v\351rification orthographique.",  // Ces
                                                                                                                  // mots
                                                                                                                  // seront
                                                                                                                  // toujours
                                                                                                                  // considérés
                                                                                                                  // comme
                                                                                                                  // incorrects
                                                                                                                  // lors
                                                                                                                  // de
                                                                                                                  // la
                                                                                                                  // vérification
                                                                                                                  // orthographique.
        "E&xclure ce mot :",
        "La v\351rification orthographique est termin\351e.",  // La vérification orthographique est terminée.
        "Mots v\351rifi\351s :",                               // Mots vérifiés :
        "La s\351lection a \351t\351 v\351rifi\351e.  Voulez-vous v\351rifier le reste du document ?",  // La sélection
                                                                                                        // a été
                                                                                                        // vérifiée.
                                                                                                        // Voulez-vous
                                                                                                        // vérifier le
                                                                                                        // reste du
                                                                                                        // document ?
        "(aucune suggestion)",
        "I&gnorer",
        "&Ignorer tout",
        "A&jouter",
        "Re&mplacer tout",
        "Correction a&utomatique",
        "&Orthographe ...",
        "&Suggestions approfondies",
    },
};

}  // namespace

std::string GetString(TSpellLanguageString key, TSpellLanguageType language) {
  if (key < 0 || key >= kSpellLanguageStringCount || language < 0 || language >= kSpellLanguageCount) return "";
  return kTexts[language][key];
}

}  // namespace tq::spell
