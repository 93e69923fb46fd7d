#include "rules/SkillDescriptions.h"

// Every text must fit into a team-file text (Windows-1252): typographic quotes „ “ are fine,
// a minus sign or an ellipsis character is not.

namespace krv {

// ---------------------------------------------------------------- Allgemein

const char kTextBrutal[] =
    "Der Spieler kennt jeden schmutzigen Trick. Begeht er ein Foul, darf sein Trainer 1 "
    "zum Rüstungswurf oder zum Verletzungswurf des gefoulten Spielers hinzuzählen. Er "
    "entscheidet das erst, wenn die Würfel gefallen sind, und der Zuschlag gilt immer nur "
    "für einen der beiden Würfe.";

const char kTextBlocken[] =
    "Der Spieler weiß, wie man sich bei einem Zusammenprall auf den Beinen hält. Zeigt der "
    "Blockwürfel „Beide niedergeschlagen“, darf er stehen bleiben. Hat sein Gegenüber die "
    "Fertigkeit nicht, geht nur dieser zu Boden; haben beide Blocken, bleiben beide stehen "
    "und nichts passiert. Die Fertigkeit wirkt beim eigenen Block, beim Blitz und wenn der "
    "Spieler selbst geblockt wird.";

const char kTextTeamKapitaen[] =
    "Der Spieler führt seine Mannschaft an. Steht er zu Beginn einer Halbzeit auf dem Feld, "
    "bekommt sein Team für diese Halbzeit eine zusätzliche Trainingsmarke. Sie darf nur "
    "eingesetzt werden, solange der Kapitän noch auf dem Feld ist, und verfällt am Ende der "
    "Halbzeit. Mehrere Kapitäne bringen trotzdem nur eine zusätzliche Marke.";

const char kTextTackle[] =
    "Der Spieler lässt sich nicht so leicht austricksen. Gegner, die seine Tacklezone mit "
    "einem Ausweichwurf verlassen wollen, dürfen dabei ihre Fertigkeit Ausweichen nicht "
    "nutzen. Blockt er einen Gegner und zeigt der Würfel „Verteidiger stolpert“, hilft "
    "diesem sein Ausweichen ebenfalls nicht: er geht zu Boden.";

const char kTextProfi[] =
    "Ein alter Hase, den so schnell nichts aus der Ruhe bringt. Einmal pro Zug darf der "
    "Spieler einen eigenen misslungenen Wurf wiederholen, ohne eine Trainingsmarke zu "
    "verbrauchen. Vorher wirft der Trainer einen W6: nur bei 4 bis 6 darf wiederholt "
    "werden, bei 1 bis 3 bleibt es beim ersten Ergebnis. Auf denselben Wurf darf danach "
    "keine Trainingsmarke mehr eingesetzt werden.";

const char kTextBallEntreissen[] =
    "Der Spieler hat es auf den Ball abgesehen. Blockt er den gegnerischen Ballträger und "
    "stößt ihn dabei nur zurück, verliert dieser trotzdem den Ball: Er springt von dem Feld, "
    "auf das der Ballträger gestoßen wurde, einmal weiter. Gegen Spieler mit Ballgefühl oder "
    "Standfest nützt diese Fertigkeit nichts.";

const char kTextNervenAusStahl[] =
    "Den Spieler lässt das Gedränge um ihn herum kalt. Beim Passen, beim Fangen und beim "
    "Abfangen eines Passes zieht er nichts für gegnerische Tacklezonen ab, in denen er "
    "steht.";

const char kTextUnerschrocken[] =
    "Der Spieler hat vor niemandem Angst. Will er einen Gegner blocken, der stärker ist als "
    "er, wirft er vorher einen W6 und zählt seine eigene Stärke dazu. Ist die Summe höher "
    "als die Stärke des Gegners, blockt er mit dessen Stärke, als wären beide gleich stark; "
    "Hilfe von Mitspielern kommt wie üblich hinzu. Misslingt der Wurf, bleibt es bei seiner "
    "eigenen Stärke.";

const char kTextRasend[] =
    "Im Rausch des Kampfes kennt der Spieler kein Halten. Er muss jedem Gegner nachsetzen, "
    "den er zurückstößt. Steht der Gegner danach noch, muss er ihn sofort ein zweites Mal "
    "blocken. Bei einem Blitz kostet dieser zweite Block wie üblich ein Bewegungsfeld; hat "
    "der Spieler keines mehr übrig, muss er dafür ein Extrafeld wagen. Auf das Nachsetzen "
    "darf er nie verzichten, auch wenn es ihn in Schwierigkeiten bringt.";

const char kTextKicken[] =
    "Der Spieler ist ein geübter Kicker. Führt er den Anstoß aus, darf sein Trainer die "
    "Weite, um die der Ball vom Zielfeld abweicht, halbieren (abgerundet). Dazu muss der "
    "Spieler in der eigenen Hälfte stehen, aber weder an der Mittellinie noch in einer der "
    "beiden seitlichen Zonen. So landet der Ball meist genau dort, wo er hin soll.";

const char kTextPassVerhindern[] =
    "Der Spieler ist darauf geschult, Pässe zu stören. Sagt der Gegner in Reichweite einen "
    "Pass an, darf sich der Spieler sofort bis zu drei Felder weit bewegen, bevor geworfen "
    "wird. Er muss die Bewegung so beenden, dass er den Pass abfangen kann oder den Werfer "
    "oder den Empfänger in seiner Tacklezone hat. Für diese Bewegung gelten die gewohnten "
    "Regeln, Ausweichwürfe eingeschlossen.";

const char kTextManndeckung[] =
    "Der Spieler klebt an seinem Gegenspieler. Verlässt ein Gegner seine Tacklezone, darf "
    "er ihm folgen und das frei gewordene Feld betreten. Beide Trainer werfen dazu einen W6 "
    "und zählen die Bewegung ihres Spielers dazu; erreicht der Verfolger mindestens den Wert "
    "des Gegners, rückt er nach. Das kostet ihn keine Bewegung und keinen Ausweichwurf und "
    "darf in einem Zug beliebig oft versucht werden.";

const char kTextBallgefuehl[] =
    "Der Spieler hat den Ball sicher im Griff. Misslingt ihm das Aufheben des Balls, darf er "
    "den Wurf einmal wiederholen, ohne eine Trainingsmarke zu verbrauchen. Außerdem kann "
    "ihm ein Gegner den Ball nicht mit der Fertigkeit Ball entreißen abnehmen.";

// ---------------------------------------------------------------- Pass

const char kTextAbspiel[] =
    "Der Spieler weiß, wann er den Ball loswerden muss. Wird er als Ballträger geblockt, "
    "darf er den Ball unmittelbar vor dem Block noch mit einem kurzen Pass an einen "
    "Mitspieler abgeben. Der Pass wird ganz normal gewürfelt und kann abgefangen werden. "
    "Geht er schief, ist das kein Ballverlust für sein Team, denn es ist ja gar nicht an der "
    "Reihe.";

const char kTextHauWechDasLeder[] =
    "Mit einem verzweifelten Gewaltwurf schleudert der Spieler den Ball auf irgendein Feld "
    "des Spielfelds, egal wie weit es entfernt ist. Genau trifft er dabei nie: Bei einer 1 "
    "misslingt der Wurf ganz, sonst weicht der Ball dreimal vom Zielfeld ab, bevor er "
    "landet. Ein solcher Wurf kann nicht abgefangen werden; ein Mitspieler, auf dessen Feld "
    "der Ball landet, darf ihn wie gewohnt fangen. Bei Schneesturm ist der Wurf nicht "
    "möglich.";

const char kTextWurfsicher[] =
    "Der Spieler ist ein geübter Werfer. Misslingt ihm ein Pass, darf er den Passwurf "
    "einmal wiederholen, ohne eine Trainingsmarke zu verbrauchen.";

const char kTextSichererPass[] =
    "Der Spieler wirft so, dass der Gegner kaum an den Ball kommt. Fängt ein Gegner seinen "
    "Pass ab, darf der Spieler einen Geschicklichkeitswurf machen; gelingt er, ist das "
    "Abfangen gescheitert und der Pass geht seinen gewohnten Weg. Rutscht ihm der Ball beim "
    "Werfen aus der Hand, behält er ihn, statt ihn fallen zu lassen; sein Zug ist dann "
    "trotzdem zu Ende.";

const char kTextZielsicher[] =
    "Der Spieler wirft besonders genau. Bei jedem Pass zählt er 1 zu seinem Passwurf hinzu. "
    "Das macht auch lange Pässe und Würfe aus dem Gedränge heraus gut berechenbar.";

const char kTextStarkerWurfarm[] =
    "Der Spieler hat einen kräftigen Wurfarm und bringt den Ball auch über große Entfernung "
    "sicher ans Ziel. Bei kurzen, langen und sehr langen Pässen zählt er 1 zum Passwurf "
    "hinzu, bei schnellen Pässen über wenige Felder nicht.";

// ---------------------------------------------------------------- Geschicklichkeit

const char kTextFangsicher[] =
    "Der Spieler hat sichere Hände beim Fangen. Misslingt ihm ein Fangwurf, egal ob bei "
    "einem Pass, einer Übergabe, einem Anstoß oder einem springenden Ball, darf er ihn "
    "einmal wiederholen, ohne eine Trainingsmarke zu verbrauchen. Für das Aufheben eines am "
    "Boden liegenden Balls gilt die Fertigkeit nicht.";

const char kTextFliegenderTackle[] =
    "Der Spieler wirft sich einem flüchtenden Gegner in die Beine. Versucht ein Gegner, "
    "seine Tacklezone mit einem Ausweichwurf zu verlassen, darf der Spieler nach dem Wurf "
    "eingreifen: Vom Ergebnis werden zusätzlich 2 abgezogen. Danach wird der Spieler auf das "
    "Feld gelegt, das der Gegner verlassen hat; er liegt dort ohne Rüstungswurf am Boden.";

const char kTextAbrollen[] =
    "Der Spieler kommt blitzschnell wieder auf die Beine. Liegt er am Boden, kostet ihn das "
    "Aufstehen keine Bewegung. Er darf sogar aus dem Liegen heraus blocken: Dazu muss ihm "
    "ein Geschicklichkeitswurf mit einem Zuschlag von 2 gelingen, sonst bleibt er liegen, "
    "ohne dass sein Team den Ball verliert.";

const char kTextLebensmuede[] =
    "Der Spieler ist klein, leicht und verrückt genug, um sich von einem Mitspieler mit der "
    "Fertigkeit Mitspieler werfen durch die Luft schleudern zu lassen. Nach dem Flug muss "
    "ihm ein Landewurf auf Geschicklichkeit gelingen, sonst stürzt er und es folgt ein "
    "Rüstungswurf. Er darf dabei den Ball tragen; landet er sicher in der gegnerischen "
    "Endzone, ist das ein Touchdown.";

const char kTextSprinten[] =
    "Der Spieler hat eine ungewöhnlich gute Kondition. In jedem Zug darf er bis zu drei "
    "Extrafelder über seine Bewegung hinaus laufen statt der üblichen zwei. Für jedes "
    "Extrafeld muss wie immer eine 2 oder mehr gewürfelt werden.";

const char kTextHechtsprung[] =
    "Der Spieler wirft sich mit einem Hechtsprung nach dem Ball. Kommt ein Pass genau bei "
    "ihm an, zählt er 1 zum Fangwurf hinzu. Landet ein Pass, ein Anstoß oder ein "
    "springender Ball auf einem Nachbarfeld, darf er versuchen, ihn trotzdem zu fangen, "
    "als wäre der Ball auf seinem eigenen Feld gelandet. Gelingt der Fang, liegt er danach "
    "mit dem Ball auf dem Feld, auf dem der Ball gelandet war.";

const char kTextAusweichen[] =
    "Der Spieler ist flink und schwer zu packen. Misslingt ihm ein Ausweichwurf beim "
    "Verlassen einer gegnerischen Tacklezone, darf er ihn einmal pro Zug wiederholen, ohne "
    "eine Trainingsmarke zu verbrauchen. Wird er geblockt und zeigt der Würfel „Verteidiger "
    "stolpert“, wird er nur zurückgestoßen und bleibt stehen. Gegen Spieler mit Tackle "
    "nützen ihm beide Vorteile nichts.";

const char kTextSpringen[] =
    "Einmal pro Zug darf der Spieler über ein Nachbarfeld hinwegspringen, ganz gleich, wer "
    "dort steht, und auf einem freien Feld zwei Felder weiter landen. Der Sprung kostet zwei "
    "Bewegungsfelder und verlangt einen Geschicklichkeitswurf, bei dem gegnerische "
    "Tacklezonen weder am Absprung noch an der Landung zählen. Misslingt der Wurf, stürzt "
    "er auf dem Zielfeld; es folgt ein Rüstungswurf, und sein Team verliert den Ball.";

const char kTextGewandt[] =
    "Der Spieler weicht einem Block geschickt aus. Wird er zurückgestoßen, bestimmt sein "
    "eigener Trainer das Feld, auf das er ausweicht, und zwar jedes freie Nachbarfeld, "
    "nicht nur die drei Felder vom Blocker weg. Gibt es kein freies Feld, wird er nach den "
    "gewohnten Regeln zurückgestoßen, notfalls in die Zuschauer.";

const char kTextSprintsicher[] =
    "Der Spieler steht sicher auf den Beinen, auch wenn er sich verausgabt. Misslingt ihm "
    "der Wurf für ein Extrafeld, darf er ihn einmal pro Zug wiederholen, ohne eine "
    "Trainingsmarke zu verbrauchen.";

// ---------------------------------------------------------------- Stärke

const char kTextTackleDurchbrechen[] =
    "Der Spieler reißt sich mit roher Kraft aus jedem Griff los. Einmal pro Zug darf er "
    "für einen Ausweichwurf seine Stärke statt seiner Geschicklichkeit verwenden. So kommen "
    "auch kräftige, aber ungeschickte Spieler aus dem Gedränge.";

const char kTextKnochenbrecher[] =
    "Der Spieler schlägt mit aller Wucht zu. Wirft er einen Gegner durch einen Block zu "
    "Boden, zählt er 1 zum Rüstungswurf oder zum Verletzungswurf hinzu. Der Trainer "
    "entscheidet nach dem Würfeln, für welchen der beiden Würfe er den Zuschlag nimmt. Bei "
    "Fouls gilt die Fertigkeit nicht.";

const char kTextZerquetschen[] =
    "Der Spieler lässt sich mit seinem ganzen Gewicht auf einen Gegner fallen, den er "
    "gerade umgeworfen hat. Hat er nach einem Block nachgesetzt, darf er den Rüstungswurf "
    "oder den Verletzungswurf gegen diesen Gegner wiederholen. Danach liegt er selbst am "
    "Boden; einen Rüstungswurf gibt es für ihn nicht, und sein Team verliert dadurch nicht "
    "den Ball.";

const char kTextMitspielerWerfen[] =
    "Der Spieler ist groß und stark genug, um einen kleinen Mitspieler mit der Fertigkeit "
    "Lebensmüde zu werfen, der neben ihm steht. Das ist die Passaktion seines Teams für "
    "diesen Zug. Geworfen wird höchstens über die kurze Distanz, und der geworfene Spieler "
    "weicht wie ein ungenauer Pass vom Zielfeld ab. Er muss einen Landewurf bestehen, sonst "
    "stürzt er; landet er im Aus, kümmern sich die Zuschauer um ihn.";

const char kTextUnterstuetzen[] =
    "Der Spieler hilft seinen Mitspielern, wo immer er kann. Er darf bei Blocks und Fouls "
    "helfen, eigene wie gegnerische, auch wenn er selbst in der Tacklezone anderer Gegner "
    "steht und ein gewöhnlicher Spieler deshalb nicht helfen könnte.";

const char kTextMehrfachblock[] =
    "Der Spieler kann bei einer Blockaktion zwei Gegner zugleich angreifen, die beide neben "
    "ihm stehen. Jeder der beiden bekommt dabei 2 auf seine Stärke; Hilfe durch andere "
    "Spieler wird für jeden Block getrennt gezählt. Der Spieler darf bei keinem der beiden "
    "Blocks nachsetzen. Bei einem Blitz ist der Mehrfachblock nicht erlaubt.";

const char kTextStandfest[] =
    "Der Spieler ist nicht von der Stelle zu bewegen. Wird er geblockt, bleibt er auf seinem "
    "Feld, auch wenn der Würfel ihn zurückstoßen würde; wird er niedergeschlagen, fällt er "
    "auf seinem eigenen Feld um. Der Blocker kann deshalb auch nicht nachsetzen. Will sein "
    "Trainer es, darf er sich aber zurückstoßen lassen.";

// ---------------------------------------------------------------- Körpermerkmal

const char kTextGrosseHand[] =
    "Eine riesige, unförmige Hand macht das Aufheben des Balls zum Kinderspiel. Der Spieler "
    "zieht dabei nichts für gegnerische Tacklezonen oder für strömenden Regen ab.";

const char kTextKlaue[] =
    "Statt einer Hand hat der Spieler eine gewaltige Klaue. Schlägt er einen Gegner durch "
    "einen Block nieder, ist dessen Rüstung bei einer 8 oder mehr auf zwei Würfeln immer "
    "durchschlagen, wie hoch sein Rüstungswert auch ist. Den Zuschlag von Knochenbrecher "
    "kann er dann noch für den Verletzungswurf verwenden.";

const char kTextZusaetzlicheArme[] =
    "Der Spieler hat einen oder mehrere Arme mehr als üblich. Beim Aufheben des Balls, beim "
    "Fangen und beim Abfangen eines Passes zählt er 1 zum Wurf hinzu.";

const char kTextAbstossendesAussehen[] =
    "Der Spieler ist so abstoßend, dass kein Gegner ihn gern anfasst. Will ein Gegner ihn "
    "blocken, auch bei einem Blitz, wirft dessen Trainer vorher einen W6: Bei einer 1 "
    "überlegt es sich der Gegner anders. Der Block findet nicht statt, die Aktion ist aber "
    "verbraucht.";

const char kTextHoerner[] =
    "Der Spieler rennt mit gesenktem Kopf auf seine Gegner los. Bei einem Blitz zählt er für "
    "den Block 1 zu seiner Stärke hinzu, noch bevor Unerschrocken oder die Hilfe von "
    "Mitspielern zählt. Bei einem gewöhnlichen Block gibt es den Zuschlag nicht.";

const char kTextHypnotischerBlick[] =
    "Der Spieler kann Gegner mit seinem Blick lähmen. Am Ende seiner Bewegung darf er einen "
    "stehenden Gegner neben sich anstarren. Dazu braucht er einen Geschicklichkeitswurf, "
    "von dem 1 für jede andere gegnerische Tacklezone abgezogen wird, in der er steht. "
    "Gelingt er, verliert der Gegner bis zu seinem nächsten Zug seine Tacklezone und darf "
    "weder fangen noch abfangen noch helfen. Misslingt er, verliert sein Team den Ball.";

const char kTextKlammerschwanz[] =
    "Mit seinem langen, kräftigen Schwanz hält der Spieler Gegner fest. Wer seine "
    "Tacklezone mit einem Ausweichwurf verlassen will, muss zusätzlich 1 vom Wurf abziehen.";

const char kTextScharfeKrallen[] =
    "Messerscharfe Krallen oder Zähne machen jeden Treffer des Spielers gefährlich. Schlägt "
    "er einen Gegner durch einen Block nieder, zählt er 2 zum Rüstungswurf hinzu. Mit der "
    "Klaue lässt sich dieser Zuschlag nicht zusammen verwenden.";

const char kTextRegeneration[] =
    "Der Spieler heilt selbst schwerste Wunden in kürzester Zeit. Wird er verletzt, wirft "
    "sein Trainer einen W6: Bei 4 bis 6 regeneriert er sich, kommt sofort in die "
    "Reservebox und die Verletzung zählt nicht. Bei 1 bis 3 bleibt es bei der Verletzung; "
    "ein Sani darf danach noch versuchen, ihn zu retten.";

const char kTextStacheln[] =
    "Der Körper des Spielers ist mit spitzen Stacheln und Dornen übersät. Sein Rüstungswert "
    "steigt um 1, aber nie über 10 hinaus. Ein Spieler, der schon RW 10 hat, kann diese "
    "Fertigkeit deshalb nicht bekommen.";

const char kTextKleinwuechsig[] =
    "Der Spieler ist so klein, dass er den Gegnern zwischen den Beinen hindurchschlüpft: "
    "Beim Ausweichen zieht er nichts für gegnerische Tacklezonen auf dem Zielfeld ab. Dafür "
    "ist er zerbrechlich: Verletzungswürfe gegen ihn bekommen 1 hinzu. Mit seinen kurzen "
    "Armen wirft er zudem schlecht und zieht bei jedem Passwurf 1 ab.";

const char kTextTentakel[] =
    "Mit seinen Tentakeln hält der Spieler fest, was ihm zu nahe kommt. Will ein Gegner "
    "seine Tacklezone verlassen, werfen beide Trainer einen W6 und zählen die Stärke ihres "
    "Spielers dazu. Ist der Wert des Tentakelspielers höher, bleibt der Gegner auf seinem "
    "Feld stehen und kann sich in diesem Zug nicht mehr bewegen; sonst kommt er frei.";

const char kTextRobust[] =
    "Der Spieler hat einen harten Schädel. Zeigt ein Verletzungswurf gegen ihn eine 8, ist "
    "er nur betäubt statt bewusstlos und bleibt auf dem Spielfeld liegen.";

const char kTextZweiKoepfe[] =
    "Mit zwei Köpfen hat der Spieler das ganze Feld im Blick. Bei jedem Ausweichwurf zählt "
    "er 1 hinzu.";

const char kTextSehrLangeBeine[] =
    "Auf seinen langen Beinen kommt der Spieler höher und weiter als andere. Beim Abfangen "
    "eines Passes zählt er 1 zum Wurf hinzu, ebenso beim Sprung mit der Fertigkeit "
    "Springen.";

// ---------------------------------------------------------------- Karte

const char kTextMagischerHelm[] =
    "Diese Fertigkeit kommt von einer Sonderkarte: Der Spieler trägt einen verzauberten "
    "Helm, der ihn vor harten Schlägen schützt. Solange er ihn trägt, zählt er 1 zu seinem "
    "Rüstungswert hinzu, aber nie über 10 hinaus.";

// ---------------------------------------------------------------- Nachteile

const char kTextBloed[] =
    "Der Spieler ist nicht der Hellste. Bevor er in seinem Zug eine Aktion ausführt, wirft "
    "sein Trainer einen W6. Bei einer 1 vergisst er, was er tun wollte: die Aktion ist "
    "vertan, und bis zu seinem nächsten Zug hat er keine Tacklezone und darf weder fangen "
    "noch abfangen noch helfen. Einen Ballverlust bedeutet das nicht. Bei 2 bis 6 handelt "
    "er ganz normal.";

const char kTextTobendeBestie[] =
    "Der Spieler ist eine kaum zu bändigende Bestie. Bevor er in seinem Zug eine Aktion "
    "ausführt, wirft sein Trainer einen W6; will er blocken oder blitzen, zählt er 2 dazu. "
    "Ist das Ergebnis 4 oder mehr, handelt er wie gewollt. Sonst tobt er nur herum: die "
    "Aktion ist vertan, einen Ballverlust gibt es aber nicht.";

const char kTextNimmersatt[] =
    "Der Spieler hat ständig Hunger. Will er einen Mitspieler werfen, wirft sein Trainer "
    "vorher einen W6. Bei einer 1 will er ihn lieber fressen: Ein zweiter W6 entscheidet, "
    "bei einer 1 ist der Mitspieler verschlungen und für immer aus dem Team, bei 2 bis 6 "
    "kann er sich losreißen und stürzt wie bei einem misslungenen Wurf. Trägt er den Ball, "
    "fällt dieser herunter und sein Team verliert ihn.";

const char kTextSaubloed[] =
    "Der Spieler ist so dumm, dass er ohne Hilfe kaum etwas zustande bringt. Bevor er in "
    "seinem Zug eine Aktion ausführt, wirft sein Trainer einen W6 und zählt 2 dazu, wenn ein "
    "Mitspieler ohne diese Fertigkeit neben ihm steht. Bei 4 oder mehr handelt er normal. "
    "Sonst ist die Aktion vertan, und bis zu seinem nächsten Zug hat er keine Tacklezone und "
    "darf weder fangen noch abfangen noch helfen; einen Ballverlust gibt es nicht.";

const char kTextWurzelnSchlagen[] =
    "Der Spieler ist ein schwerfälliger Riese, der gern stehen bleibt, wo er ist. Bevor er "
    "in seinem Zug eine Aktion ausführt, wirft sein Trainer einen W6. Bei einer 1 schlägt "
    "er Wurzeln: Bis zum nächsten Anstoß oder bis er umgeworfen wird, darf er sein Feld "
    "nicht mehr verlassen und nicht nachsetzen; blocken darf er Gegner neben sich weiterhin.";

}  // namespace krv
