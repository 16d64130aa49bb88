<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>purzo::AccessibleFlight</name>
    <message>
        <source>Die Strichfigur im Flug. Das Kontextmenü schaltet die Werkzeuge für den Unterricht.</source>
        <translation>The stick figure in flight. Its context menu switches the lesson tools.</translation>
    </message>
</context>
<context>
    <name>purzo::AthleteDialog</name>
    <message>
        <source>Athlet</source>
        <translation>Athlete</translation>
    </message>
    <message>
        <source>Gilt für das exakte Modell, vom nächsten Flug an. Alle Längen der Figur wachsen mit der Körpergröße, die Massen ihrer Teile mit der Körpermasse.</source>
        <translation>Applies to the exact model, from the next flight on. Every length of the figure grows with the body height, the masses of its parts with the body mass.</translation>
    </message>
    <message>
        <source>&amp;Körpermasse:</source>
        <translation>Body &amp;mass:</translation>
    </message>
    <message>
        <source>Körper&amp;größe:</source>
        <translation>Body &amp;height:</translation>
    </message>
    <message>
        <source>&amp;Drehung beim Absprung:</source>
        <translation>&amp;Spin at take-off:</translation>
    </message>
    <message>
        <source>Glieder &amp;bis:</source>
        <translation>Limbs &amp;up to:</translation>
    </message>
    <message>
        <source>kg (20 bis 150)</source>
        <translation>kg (20 to 150)</translation>
    </message>
    <message>
        <source>m (1,00 bis 2,20)</source>
        <translation>m (1.00 to 2.20)</translation>
    </message>
    <message>
        <source>°/s (0 bis 400)</source>
        <translation>°/s (0 to 400)</translation>
    </message>
    <message>
        <source>rad/s (4 bis 30)</source>
        <translation>rad/s (4 to 30)</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>S&amp;tandard</translation>
    </message>
    <message>
        <source>„%1“ geht nicht: nur Zahlen von %2 bis %3. Der alte Wert gilt weiter.</source>
        <translation>“%1” will not do: only numbers from %2 to %3. The old value stays.</translation>
    </message>
</context>
<context>
    <name>purzo::CalibrationPanel</name>
    <message>
        <source>Filmen Sie quer zum Sprung, nicht in Sprungrichtung, mit ruhiger Kamera. Stellen Sie einen Stab bekannter Länge senkrecht auf den Boden, in die Ebene des Sprungs, so dass er im Bild zu sehen ist. Klicken Sie dann auf sein unteres und sein oberes Ende; die Enden lassen sich danach verschieben.</source>
        <translation>Film across the jump, not along it, with the camera held still. Stand a stick of known length upright on the floor, in the plane of the jump, where the camera sees it. Then click its lower and its upper end; the ends can be dragged afterwards.</translation>
    </message>
    <message>
        <source>&amp;Länge des Stabs:</source>
        <translation>Stick &amp;length:</translation>
    </message>
    <message>
        <source>Kalibrieren: Klicken Sie auf das untere Ende des Stabs.</source>
        <translation>Calibrate: click the lower end of the stick.</translation>
    </message>
    <message>
        <source>Kalibrieren: Klicken Sie auf das obere Ende des Stabs.</source>
        <translation>Calibrate: click the upper end of the stick.</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Noch nicht kalibriert.</source>
        <translation>Not calibrated yet.</translation>
    </message>
    <message>
        <source>Kalibriert: %1 Pixel pro Meter; die Kamera ist um %2° geneigt.</source>
        <translation>Calibrated: %1 pixels per metre; the camera is tilted by %2°.</translation>
    </message>
    <message>
        <source>Ein Stab von 0 m Länge gibt keinen Maßstab: tragen Sie seine wirkliche Länge ein. Nicht kalibriert.</source>
        <translation>A stick 0 m long gives no scale: enter its real length. Not calibrated.</translation>
    </message>
    <message>
        <source>Beide Klicks liegen an derselben Stelle: klicken Sie auf das untere und dann auf das obere Ende des Stabs. Nicht kalibriert.</source>
        <translation>Both clicks are in the same place: click the lower and then the upper end of the stick. Not calibrated.</translation>
    </message>
</context>
<context>
    <name>purzo::CanvasWidget</name>
    <message>
        <source>%1 gestreckt</source>
        <translation>%1 stretched</translation>
    </message>
    <message>
        <source>%1 gehockt</source>
        <translation>%1 tucked</translation>
    </message>
    <message>
        <source>Zeit: %1 s</source>
        <translation>Time: %1 s</translation>
    </message>
    <message>
        <source>Weite: %1 m</source>
        <translation>Distance: %1 m</translation>
    </message>
    <message>
        <source>Höhe: %1 m</source>
        <translation>Height: %1 m</translation>
    </message>
    <message>
        <source>Drehung: %1° (%2 Umdrehungen)</source>
        <translation>Rotation: %1° (%2 turns)</translation>
    </message>
    <message>
        <source>Haltung: %1</source>
        <translation>Posture: %1</translation>
    </message>
    <message>
        <source>Flugzeit: %1 s</source>
        <translation>Flight time: %1 s</translation>
    </message>
    <message>
        <source>Bilder: %1</source>
        <translation>Frames: %1</translation>
    </message>
    <message>
        <source>Hüfte</source>
        <translation>hip</translation>
    </message>
    <message>
        <source>Schulter</source>
        <translation>shoulder</translation>
    </message>
    <message>
        <source>Ellbogen</source>
        <translation>elbow</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>hand</translation>
    </message>
    <message>
        <source>Knie</source>
        <translation>knee</translation>
    </message>
    <message>
        <source>Fuß</source>
        <translation>foot</translation>
    </message>
    <message>
        <source>Hals</source>
        <translation>neck</translation>
    </message>
    <message>
        <source>Kopf</source>
        <translation>head</translation>
    </message>
    <message>
        <source>Modell: exakt</source>
        <translation>Model: exact</translation>
    </message>
    <message>
        <source>Modell: klassisch</source>
        <translation>Model: classic</translation>
    </message>
    <message>
        <source>Erster Bodenkontakt: %1</source>
        <translation>First contact: %1</translation>
    </message>
    <message>
        <source>%1 Salto</source>
        <translation>%1 somersault</translation>
    </message>
    <message>
        <source>%1 Salti</source>
        <translation>%1 somersaults</translation>
    </message>
    <message>
        <source>Landung auf den Füßen nach %1, aufrecht (%2°)</source>
        <translation>Landed on the feet after %1, upright (%2°)</translation>
    </message>
    <message>
        <source>Auf den Füßen, aber %1° zu viel für %2: fällt nach vorn</source>
        <translation>On the feet, but %1° too far for %2: falls forward</translation>
    </message>
    <message>
        <source>Auf den Füßen, aber %1° zu wenig für %2: fällt nach hinten</source>
        <translation>On the feet, but %1° short of %2: falls backward</translation>
    </message>
    <message>
        <source>Keine Landung auf den Füßen: zuerst %1, %2° vor %3</source>
        <translation>Not on the feet: %1 first, %2° short of %3</translation>
    </message>
    <message>
        <source>Keine Landung auf den Füßen: zuerst %1, %2° über %3</source>
        <translation>Not on the feet: %1 first, %2° past %3</translation>
    </message>
    <message>
        <source>Umdrehungen: %1</source>
        <translation>Turns: %1</translation>
    </message>
    <message>
        <source>Lage bei der Landung: %1°</source>
        <translation>Attitude at touchdown: %1°</translation>
    </message>
    <message>
        <source>Rumpf</source>
        <translation>trunk</translation>
    </message>
    <message>
        <source>Oberarm</source>
        <translation>upper arm</translation>
    </message>
    <message>
        <source>Unterarm</source>
        <translation>forearm</translation>
    </message>
    <message>
        <source>Oberschenkel</source>
        <translation>thigh</translation>
    </message>
    <message>
        <source>Unterschenkel</source>
        <translation>shank</translation>
    </message>
    <message>
        <source>Hocken ab %1 s, %2 s lang</source>
        <translation>Tucked from %1 s for %2 s</translation>
    </message>
    <message>
        <source>Ohne Hocken</source>
        <translation>No tuck</translation>
    </message>
    <message>
        <source>Echtzeit</source>
        <translation>Real time</translation>
    </message>
    <message>
        <source>Zeitlupe</source>
        <translation>Slow motion</translation>
    </message>
    <message>
        <source>Extrem-Zeitlupe</source>
        <translation>Extra slow motion</translation>
    </message>
    <message>
        <source>exaktes Modell</source>
        <translation>exact model</translation>
    </message>
    <message>
        <source>klassisches Modell</source>
        <translation>classic model</translation>
    </message>
    <message>
        <source>%1 m/s, %2°, %3, %4</source>
        <translation>%1 m/s, %2°, %3, %4</translation>
    </message>
    <message>
        <source>Bild %1, %2 s: Höhe %3 m, Drehung %4°, Haltung %5</source>
        <translation>Frame %1, %2 s: height %3 m, rotation %4°, posture %5</translation>
    </message>
    <message>
        <source>Athlet: %1 kg, %2 m, %3 °/s, %4 rad/s</source>
        <translation>Athlete: %1 kg, %2 m, %3 °/s, %4 rad/s</translation>
    </message>
    <message>
        <source>%1 m/s, %2°, %3, %4, %5 kg, %6 m, %7 °/s, %8 rad/s</source>
        <translation>%1 m/s, %2°, %3, %4, %5 kg, %6 m, %7 °/s, %8 rad/s</translation>
    </message>
    <message>
        <source>Winkelgeschwindigkeit ω: %1 °/s</source>
        <translation>Angular velocity ω: %1 °/s</translation>
    </message>
    <message>
        <source>Trägheitsmoment I: %1 kg·m²</source>
        <translation>Moment of inertia I: %1 kg·m²</translation>
    </message>
    <message>
        <source>Drehimpuls der Glieder H: %1 kg·m²/s</source>
        <translation>Angular momentum of the limbs H: %1 kg·m²/s</translation>
    </message>
    <message>
        <source>Drehimpuls L = Iω + H: %1 kg·m²/s</source>
        <translation>Angular momentum L = Iω + H: %1 kg·m²/s</translation>
    </message>
    <message>
        <source>Rotationsenergie: %1 J</source>
        <translation>Rotational energy: %1 J</translation>
    </message>
</context>
<context>
    <name>purzo::ChartsWindow</name>
    <message>
        <source>Diagramme – Purzosimulation</source>
        <translation>Charts – Purzosimulation</translation>
    </message>
    <message>
        <source>Diagramme speichern…</source>
        <translation>Save charts…</translation>
    </message>
    <message>
        <source>Diagramme speichern</source>
        <translation>Save charts</translation>
    </message>
    <message>
        <source>PNG-Bilder (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Flug auf dem Bild</source>
        <translation>Flight on show</translation>
    </message>
    <message>
        <source>Flug %1</source>
        <translation>Flight %1</translation>
    </message>
</context>
<context>
    <name>purzo::Comparison</name>
    <message>
        <source>Flug %1</source>
        <translation>Flight %1</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Group</translation>
    </message>
</context>
<context>
    <name>purzo::FitPanel</name>
    <message>
        <source>&amp;Auswerten</source>
        <translation>&amp;Fit</translation>
    </message>
    <message>
        <source>Passt den Flug des Modells an die Markierungen an.</source>
        <translation>Fits the model&apos;s flight to the marks.</translation>
    </message>
    <message>
        <source>Noch nicht ausgewertet.</source>
        <translation>Not fitted yet.</translation>
    </message>
    <message>
        <source>&amp;Was wäre, wenn…</source>
        <translation>&amp;What if…</translation>
    </message>
    <message>
        <source>Fliegt den gemessenen Absprung mit einem anderen Hockplan und zeigt ihn über dem Video.</source>
        <translation>Flies the measured take-off with another tuck plan and shows it over the video.</translation>
    </message>
    <message>
        <source>Landekarte &amp;dieses Sprungs…</source>
        <translation>Landing map of this &amp;jump…</translation>
    </message>
    <message>
        <source>Alle Hockpläne dieses Absprungs; ein Doppelklick fliegt einen über dem Video.</source>
        <translation>Every tuck plan of this take-off; a double click flies one over the video.</translation>
    </message>
    <message>
        <source>Letztes B&amp;ild am Boden:</source>
        <translation>Last frame on the &amp;ground:</translation>
    </message>
    <message>
        <source>Er&amp;stes Bild wieder am Boden:</source>
        <translation>First frame &amp;down again:</translation>
    </message>
    <message>
        <source>von den Füßen</source>
        <translation>from the feet</translation>
    </message>
    <message>
        <source>Rot: gemessener Schwerpunkt und angepasste Parabel; blau: die Figur des Modells; die gestrichelte Figur: was wäre, wenn.</source>
        <translation>Red: measured centre of mass and fitted parabola; blue: the model&apos;s figure; the dashed figure: what if.</translation>
    </message>
</context>
<context>
    <name>purzo::FitTexts</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>%1 m/s</source>
        <translation>%1 m/s</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>Höhe des Schwerpunkts</source>
        <translation>Centre height</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>g aus dem Video</source>
        <translation>g from the video</translation>
    </message>
    <message>
        <source>%1 m/s²</source>
        <translation>%1 m/s²</translation>
    </message>
    <message>
        <source>Drehung</source>
        <translation>Spin</translation>
    </message>
    <message>
        <source>%1 °/s</source>
        <translation>%1 °/s</translation>
    </message>
    <message>
        <source>Drehimpuls</source>
        <translation>Angular momentum</translation>
    </message>
    <message>
        <source>%1 kg·m²/s</source>
        <translation>%1 kg·m²/s</translation>
    </message>
    <message>
        <source>Absprung</source>
        <translation>Take-off</translation>
    </message>
    <message>
        <source>vor dem Video</source>
        <translation>before the video</translation>
    </message>
    <message>
        <source>Landung</source>
        <translation>Touchdown</translation>
    </message>
    <message>
        <source>nach dem Video</source>
        <translation>after the video</translation>
    </message>
    <message>
        <source>RMS Schwerpunkt</source>
        <translation>RMS centre</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <translation>%1 cm</translation>
    </message>
    <message>
        <source>RMS Drehung</source>
        <translation>RMS rotation</translation>
    </message>
    <message>
        <source>Körpergröße</source>
        <translation>Body height</translation>
    </message>
    <message>
        <source>Die Absprunggeschwindigkeit von %1 m/s liegt außerhalb der %2–%3 m/s des Modells: das Modell fliegt mit %4 m/s, dem nächsten erlaubten Wert.</source>
        <translation>The take-off speed of %1 m/s lies outside the model&apos;s %2–%3 m/s: the model flies at %4 m/s, the nearest allowed value.</translation>
    </message>
    <message>
        <source>Der Absprungwinkel von %1° liegt außerhalb der %2–%3° des Modells: das Modell fliegt mit %4°, dem nächsten erlaubten Wert.</source>
        <translation>The take-off angle of %1° lies outside the model&apos;s %2–%3°: the model flies at %4°, the nearest allowed value.</translation>
    </message>
    <message>
        <source>Die Drehung liegt außerhalb dessen, was ein Athlet des Modells haben kann: sie ist bei %1 °/s gehalten.</source>
        <translation>The spin lies outside what an athlete of the model can have: it is held at %1 °/s.</translation>
    </message>
    <message>
        <source>Die Körpergröße aus den Markierungen liegt außerhalb dessen, was das Modell kennt: sie ist bei %1 m gehalten. Stimmt die Länge des Stabs?</source>
        <translation>The body height from the marks lies outside what the model knows: it is held at %1 m. Is the stick&apos;s length right?</translation>
    </message>
    <message>
        <source>Kein Bild zeigt den Athleten vor dem Flug auf dem Boden: die Absprunghöhe ist angenommen. Beginnen Sie das Video vor dem Absprung.</source>
        <translation>No frame shows the athlete on the floor before the flight: the take-off height is assumed. Start the video before the take-off.</translation>
    </message>
    <message>
        <source>Einigen Bildern im Flug fehlen zu viele Markierungen – ist der Athlet aus dem Bild geraten? Diese Bilder zählen nicht.</source>
        <translation>Some frames in the air lack too many marks – did the athlete leave the picture? These frames do not count.</translation>
    </message>
    <message>
        <source>Ohne Kalibrierung gibt es keinen Maßstab: klicken Sie unter „Kalibrieren“ auf die beiden Enden des Stabs.</source>
        <translation>Without a calibration there is no scale: under “Calibrate”, click both ends of the stick.</translation>
    </message>
    <message>
        <source>Nur %1 Bilder im Flug tragen genug Markierungen; mindestens %2 sind nötig. Markieren Sie weitere Bilder zwischen Absprung und Landung.</source>
        <translation>Only %1 frames in the air carry enough marks; at least %2 are needed. Mark more frames between take-off and touchdown.</translation>
    </message>
    <message>
        <source>Bild</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Zeit (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>Schwerpunkt (cm)</source>
        <translation>Centre (cm)</translation>
    </message>
    <message>
        <source>Drehung (°)</source>
        <translation>Rotation (°)</translation>
    </message>
    <message>
        <source>Haltung</source>
        <translation>Posture</translation>
    </message>
    <message>
        <source>Die am besten passende Haltung hat fehlende Punkte ergänzt (Bilder mit ergänzten Punkten: %1).</source>
        <translation>The best-fitting posture filled in missing points (frames with points filled in: %1).</translation>
    </message>
</context>
<context>
    <name>purzo::FlightLogModel</name>
    <message>
        <source>Name / Gruppe</source>
        <translation>Name / group</translation>
    </message>
    <message>
        <source>%1, bester Versuch der Gruppe</source>
        <translation>%1, the group&apos;s best attempt</translation>
    </message>
</context>
<context>
    <name>purzo::FlightLogWindow</name>
    <message>
        <source>Flugprotokoll – Purzosimulation</source>
        <translation>Flight log – Purzosimulation</translation>
    </message>
    <message>
        <source>Flüge der Stunde</source>
        <translation>Flights of the lesson</translation>
    </message>
    <message>
        <source>&amp;Zeigen</source>
        <translation>&amp;Show</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Replay</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Protokoll &amp;leeren…</source>
        <translation>&amp;Empty the log…</translation>
    </message>
    <message>
        <source>Höchstens %1 Flüge werden zugleich gezeigt.</source>
        <translation>At most %1 flights are shown at once.</translation>
    </message>
    <message>
        <source>Protokoll leeren</source>
        <translation>Empty the log</translation>
    </message>
    <message>
        <source>Alle %1 Flüge des Protokolls löschen? Das kann nicht rückgängig gemacht werden.</source>
        <translation>Delete all %1 flights of the log? This cannot be undone.</translation>
    </message>
    <message>
        <source>Nicht &amp;zeigen</source>
        <translation>Do not &amp;show</translation>
    </message>
    <message>
        <source>Protokoll als &amp;Tabelle speichern…</source>
        <translation>Save log as &amp;spreadsheet…</translation>
    </message>
    <message>
        <source>Protokoll als Tabelle speichern</source>
        <translation>Save log as spreadsheet</translation>
    </message>
    <message>
        <source>Excel-Arbeitsmappen (*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>&amp;Beste Versuche zeigen</source>
        <translation>Show &amp;best attempts</translation>
    </message>
    <message>
        <source>Protokoll e&amp;xportieren…</source>
        <translation>E&amp;xport log…</translation>
    </message>
    <message>
        <source>Protokolle zusa&amp;mmenführen…</source>
        <translation>&amp;Merge logs…</translation>
    </message>
    <message>
        <source>Noch keine Gruppe ist aufrecht gelandet.</source>
        <translation>No group has landed upright yet.</translation>
    </message>
    <message>
        <source>Protokoll exportieren</source>
        <translation>Export log</translation>
    </message>
    <message>
        <source>Flugprotokolle (*.txt)</source>
        <translation>Flight logs (*.txt)</translation>
    </message>
    <message>
        <source>Protokolle zusammenführen</source>
        <translation>Merge logs</translation>
    </message>
    <message>
        <source>Flugprotokolle (*.txt);;Alle Dateien (*)</source>
        <translation>Flight logs (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>&amp;Vergleichen</source>
        <translation>&amp;Compare</translation>
    </message>
    <message>
        <source>Stundenblatt als &amp;PDF…</source>
        <translation>Lesson sheet as &amp;PDF…</translation>
    </message>
</context>
<context>
    <name>purzo::JointText</name>
    <message>
        <source>Kopf</source>
        <translation>Head</translation>
    </message>
    <message>
        <source>Schulter</source>
        <translation>Shoulder</translation>
    </message>
    <message>
        <source>Ellbogen</source>
        <translation>Elbow</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Hüfte</source>
        <translation>Hip</translation>
    </message>
    <message>
        <source>Knie</source>
        <translation>Knee</translation>
    </message>
    <message>
        <source>Fuß</source>
        <translation>Foot</translation>
    </message>
</context>
<context>
    <name>purzo::LandingMapView</name>
    <message>
        <source>Landekarte</source>
        <translation>Landing map</translation>
    </message>
    <message>
        <source>Hocken ab Bild (1 Bild = 1/17 s)</source>
        <translation>Tuck from frame (1 frame = 1/17 s)</translation>
    </message>
    <message>
        <source>Gehockt (Bilder)</source>
        <translation>Tucked (frames)</translation>
    </message>
    <message>
        <source>Flüge der Stunde</source>
        <translation>The lesson&apos;s flights</translation>
    </message>
</context>
<context>
    <name>purzo::LandingMapWindow</name>
    <message>
        <source>Haltung %1</source>
        <translation>Posture %1</translation>
    </message>
    <message>
        <source>Landekarte – Purzosimulation</source>
        <translation>Landing map – Purzosimulation</translation>
    </message>
    <message>
        <source>Hockbeginn × Dauer</source>
        <translation>Tuck start × length</translation>
    </message>
    <message>
        <source>Geschwindigkeit × Winkel</source>
        <translation>Speed × angle</translation>
    </message>
    <message>
        <source>&amp;Karte:</source>
        <translation>&amp;Map:</translation>
    </message>
    <message>
        <source>&amp;Absprung:</source>
        <translation>&amp;Take-off:</translation>
    </message>
    <message>
        <source>ab Bild </source>
        <translation>from frame </translation>
    </message>
    <message>
        <source> Bilder</source>
        <translation> frames</translation>
    </message>
    <message>
        <source>&amp;Hockplan:</source>
        <translation>Tuck &amp;plan:</translation>
    </message>
    <message>
        <source>Ein Klick auf ein Feld zeigt seinen Flug, ein Doppelklick fliegt ihn.</source>
        <translation>A click on a cell shows its flight, a double click flies it.</translation>
    </message>
    <message>
        <source>Als &amp;Bild speichern…</source>
        <translation>Save as p&amp;icture…</translation>
    </message>
    <message>
        <source>Als &amp;CSV speichern…</source>
        <translation>Save as C&amp;SV…</translation>
    </message>
    <message>
        <source>Landekarte als CSV speichern</source>
        <translation>Save landing map as CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Landekarte als Bild speichern</source>
        <translation>Save landing map as picture</translation>
    </message>
    <message>
        <source>PNG-Bilder (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Modell: %1</source>
        <translation>Model: %1</translation>
    </message>
    <message>
        <source>, eigener Athlet</source>
        <translation>, own athlete</translation>
    </message>
    <message>
        <source>Abgebrochen: die Karte ist nicht ganz berechnet.</source>
        <translation>Cancelled: the map is not complete.</translation>
    </message>
    <message>
        <source>%1 Umdrehungen, Lage %2°, %3</source>
        <translation>%1 turns, attitude %2°, %3</translation>
    </message>
    <message>
        <source>keine Landung</source>
        <translation>no landing</translation>
    </message>
    <message>
        <source>%1 m/s, %2°, %3: %4. Ein Doppelklick oder Enter fliegt ihn.</source>
        <translation>%1 m/s, %2°, %3: %4. A double click or Enter flies it.</translation>
    </message>
    <message>
        <source>Kein Flug dieser Karte landet auf den Füßen.</source>
        <translation>No flight of this map lands on the feet.</translation>
    </message>
    <message>
        <source>Kein Hockplan landet bei diesem Absprung aufrecht und gestreckt.</source>
        <translation>No tuck plan lands upright and stretched from this take-off.</translation>
    </message>
    <message>
        <source>Aufrecht und gestreckt landet, wer frühestens %1 s und spätestens %2 s nach dem Absprung zu hocken beginnt und mindestens %3 s, höchstens %4 s gehockt bleibt.</source>
        <translation>Upright and stretched lands who starts to tuck no earlier than %1 s and no later than %2 s after take-off and stays tucked at least %3 s and at most %4 s.</translation>
    </message>
    <message>
        <source>Landekarte für %1 m/s und %2°, Haltung %3</source>
        <translation>Landing map for %1 m/s and %2°, posture %3</translation>
    </message>
    <message>
        <source>Landekarte für den Hockplan %1</source>
        <translation>Landing map for the tuck plan %1</translation>
    </message>
    <message>
        <source>Abbr&amp;echen</source>
        <translation>Ca&amp;ncel</translation>
    </message>
</context>
<context>
    <name>purzo::LessonBar</name>
    <message>
        <source>Lehrkraft</source>
        <translation>Teacher</translation>
    </message>
    <message>
        <source>&amp;Stunde:</source>
        <translation>&amp;Lesson:</translation>
    </message>
    <message>
        <source>Titel der Stunde</source>
        <translation>Title of the lesson</translation>
    </message>
    <message>
        <source>Datum der Stunde</source>
        <translation>Date of the lesson</translation>
    </message>
    <message>
        <source>&amp;Name / Gruppe:</source>
        <translation>&amp;Name / group:</translation>
    </message>
</context>
<context>
    <name>purzo::LessonLog</name>
    <message>
        <source>Das Flugprotokoll %1 ist von einem anderen Fenster gesperrt. Die Flüge bleiben erhalten und werden mit dem nächsten gespeichert.</source>
        <translation>The flight log %1 is locked by another window. The flights are kept and saved with the next one.</translation>
    </message>
    <message>
        <source>größer als 2 MB</source>
        <translation>larger than 2 MB</translation>
    </message>
    <message>
        <source>Das Flugprotokoll %1 kann nicht gelesen werden (%2). Es bleibt, wie es ist; die Flüge dieser Stunde bleiben erhalten und werden gespeichert, sobald es wieder lesbar ist.</source>
        <translation>The flight log %1 cannot be read (%2). It is left as it is; this lesson&apos;s flights are kept and saved as soon as it can be read again.</translation>
    </message>
    <message>
        <source>keine Datei dieses Programms</source>
        <translation>not a file of this program</translation>
    </message>
    <message>
        <source>von einer neueren Version des Programms geschrieben</source>
        <translation>written by a newer version of the program</translation>
    </message>
    <message>
        <source>Das Flugprotokoll %1 ist beschädigt und kann nicht beiseitegelegt werden (%2). Es bleibt, wie es ist; seine ganzen Zeilen sind geladen, und die Flüge dieser Stunde werden nicht hineingeschrieben.</source>
        <translation>The flight log %1 is damaged and cannot be set aside (%2). It is left as it is; its whole lines are loaded, and this lesson&apos;s flights are not written into it.</translation>
    </message>
    <message>
        <source>Im Flugprotokoll waren %1 Zeilen beschädigt oder fehlten, die erste ist Zeile %2. Die übrigen %3 Flüge sind geladen; die Datei, wie sie war, ist als %4 beiseitegelegt.</source>
        <translation>%1 lines of the flight log were damaged or missing, the first is line %2. The other %3 flights are loaded; the file as it was is set aside as %4.</translation>
    </message>
    <message>
        <source>Das Flugprotokoll %1 kann nicht gelesen werden (%2) und nicht beiseitegelegt werden. Es bleibt, wie es ist; die Flüge dieser Stunde werden nicht hineingeschrieben.</source>
        <translation>The flight log %1 cannot be read (%2) and cannot be set aside. It is left as it is; this lesson&apos;s flights are not written into it.</translation>
    </message>
    <message>
        <source>Das Flugprotokoll %1 kann nicht gelesen werden (%2). Es ist als %3 beiseitegelegt; die Flüge dieser Stunde kommen in ein neues Protokoll.</source>
        <translation>The flight log %1 cannot be read (%2). It is set aside as %3; this lesson&apos;s flights go into a new log.</translation>
    </message>
    <message>
        <source>Das Flugprotokoll kann nicht gespeichert werden (%1). Die Flüge bleiben erhalten und werden gespeichert, sobald es wieder geht.</source>
        <translation>The flight log cannot be saved (%1). The flights are kept and saved as soon as that works again.</translation>
    </message>
    <message>
        <source>Das Flugprotokoll ist wieder gespeichert, mit allen %1 Flügen.</source>
        <translation>The flight log is saved again, with all %1 flights.</translation>
    </message>
</context>
<context>
    <name>purzo::LessonMenu</name>
    <message>
        <source>&amp;Schwerpunktbahn</source>
        <translation>&amp;Path of the centre of mass</translation>
    </message>
    <message>
        <source>&amp;Bewegungsablauf</source>
        <translation>Movement se&amp;quence</translation>
    </message>
    <message>
        <source>Flug&amp;daten</source>
        <translation>Flight &amp;data</translation>
    </message>
    <message>
        <source>&amp;Vorigen Flug zum Vergleich</source>
        <translation>Pre&amp;vious flight for comparison</translation>
    </message>
    <message>
        <source>&amp;Ganze Flugbahn zeigen</source>
        <translation>Show &amp;whole flight</translation>
    </message>
    <message>
        <source>Letzten Flug &amp;wiederholen</source>
        <translation>Repla&amp;y last flight</translation>
    </message>
    <message>
        <source>Flug als &amp;CSV speichern…</source>
        <translation>Save flight as &amp;CSV…</translation>
    </message>
    <message>
        <source>B&amp;ild speichern…</source>
        <translation>Save p&amp;icture…</translation>
    </message>
    <message>
        <source>&amp;Klassisches Modell</source>
        <translation>C&amp;lassic model</translation>
    </message>
    <message>
        <source>E&amp;xaktes Modell (Drehimpulserhaltung)</source>
        <translation>E&amp;xact model (angular momentum)</translation>
    </message>
    <message>
        <source>&amp;Anhalten / Weiter</source>
        <translation>Pa&amp;use / Resume</translation>
    </message>
    <message>
        <source>Leertaste</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Bild vo&amp;r</source>
        <translation>&amp;Next frame</translation>
    </message>
    <message>
        <source>Bild ab</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Bild &amp;zurück</source>
        <translation>Previous &amp;frame</translation>
    </message>
    <message>
        <source>Bild auf</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Diagra&amp;mme…</source>
        <translation>C&amp;harts…</translation>
    </message>
    <message>
        <source>Flug als &amp;Tabelle speichern…</source>
        <translation>Save flight as &amp;spreadsheet…</translation>
    </message>
    <message>
        <source>&amp;Flugprotokoll…</source>
        <translation>Flight l&amp;og…</translation>
    </message>
    <message>
        <source>&amp;Präsentation</source>
        <translation>P&amp;resentation</translation>
    </message>
    <message>
        <source>At&amp;hlet…</source>
        <translation>&amp;Athlete…</translation>
    </message>
    <message>
        <source>Vergleiche&amp;n</source>
        <translation>Compare fli&amp;ghts</translation>
    </message>
    <message>
        <source>N&amp;ebeneinander</source>
        <translation>Side &amp;by side</translation>
    </message>
    <message>
        <source>Werkzeuge z&amp;urücksetzen</source>
        <translation>Reset &amp;tools</translation>
    </message>
    <message>
        <source>H&amp;ockplan…</source>
        <translation>Tuc&amp;k plan…</translation>
    </message>
    <message>
        <source>&amp;Landekarte…</source>
        <translation>Landing &amp;map…</translation>
    </message>
    <message>
        <source>Video &amp;öffnen…</source>
        <translation>Open vid&amp;eo…</translation>
    </message>
</context>
<context>
    <name>purzo::LessonTools</name>
    <message>
        <source>„%1“ konnte nicht gespeichert werden:
%2</source>
        <translation>“%1” could not be saved:
%2</translation>
    </message>
    <message>
        <source>Flug als CSV speichern</source>
        <translation>Save flight as CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>PNG-Bilder (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Flug als Tabelle speichern</source>
        <translation>Save flight as spreadsheet</translation>
    </message>
    <message>
        <source>Excel-Arbeitsmappen (*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>Der Inhalt konnte nicht erzeugt werden</source>
        <translation>The content could not be made</translation>
    </message>
    <message>
        <source>Kein freier Speicherplatz</source>
        <translation>No space left on the disk</translation>
    </message>
    <message>
        <source>Der eigene Speicherplatz ist aufgebraucht</source>
        <translation>Your storage quota is used up</translation>
    </message>
    <message>
        <source>Das Laufwerk ist schreibgeschützt</source>
        <translation>The drive is read-only</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Die Datei oder ihr Ordner fehlt</source>
        <translation>The file or its folder is missing</translation>
    </message>
    <message>
        <source>Ein Teil des Pfades ist kein Ordner</source>
        <translation>A part of the path is not a folder</translation>
    </message>
    <message>
        <source>Dort liegt ein Ordner, keine Datei</source>
        <translation>A folder is in its place, not a file</translation>
    </message>
    <message>
        <source>Dort liegt keine gewöhnliche Datei</source>
        <translation>No ordinary file is in its place</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß</source>
        <translation>The file is too large</translation>
    </message>
    <message>
        <source>Das Laufwerk meldet einen Fehler</source>
        <translation>The drive reports an error</translation>
    </message>
    <message>
        <source>Stundenblatt als PDF speichern</source>
        <translation>Save lesson sheet as PDF</translation>
    </message>
    <message>
        <source>PDF-Dokumente (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Vergleich: %1</source>
        <translation>Comparison: %1</translation>
    </message>
</context>
<context>
    <name>purzo::LogTransfer</name>
    <message>
        <source>größer als 2 MB</source>
        <translation>larger than 2 MB</translation>
    </message>
    <message>
        <source>von einer neueren Version des Programms geschrieben</source>
        <translation>written by a newer version of the program</translation>
    </message>
    <message>
        <source>kein Flugprotokoll dieses Programms</source>
        <translation>not a flight log of this program</translation>
    </message>
    <message>
        <source>%1 Flüge übernommen, %2 waren schon im Protokoll.</source>
        <translation>%1 flights taken in, %2 were in the log already.</translation>
    </message>
    <message>
        <source>%1 beschädigte Zeilen wurden ausgelassen.</source>
        <translation>%1 damaged lines were left out.</translation>
    </message>
    <message>
        <source>Nicht gelesen:</source>
        <translation>Not read:</translation>
    </message>
</context>
<context>
    <name>purzo::MarkingPanel</name>
    <message>
        <source>Klicken Sie im Bild nacheinander auf die Punkte der Liste; nach dem Fuß geht es zum nächsten Bild. Eine Markierung lässt sich mit der Maus verschieben.</source>
        <translation>Click the points of the list one after the other in the frame; after the foot the next frame follows. A mark can be dragged with the mouse.</translation>
    </message>
    <message>
        <source>&amp;Nicht sichtbar</source>
        <translation>&amp;Not visible</translation>
    </message>
    <message>
        <source>Dieser Punkt ist im Bild verdeckt: weiter zum nächsten.</source>
        <translation>This point is hidden in the frame: go on to the next.</translation>
    </message>
    <message>
        <source>Bild lee&amp;ren</source>
        <translation>Cl&amp;ear frame</translation>
    </message>
    <message>
        <source>Alle Markierungen dieses Bildes löschen.</source>
        <translation>Delete all of this frame&apos;s marks.</translation>
    </message>
    <message>
        <source>offen</source>
        <translation>open</translation>
    </message>
    <message>
        <source>markiert</source>
        <translation>marked</translation>
    </message>
    <message>
        <source>nicht sichtbar</source>
        <translation>not visible</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Markieren: %1 – klicken Sie im Bild darauf.</source>
        <translation>Mark: %1 – click it in the frame.</translation>
    </message>
    <message>
        <source>Alle Punkte dieses Bildes sind markiert.</source>
        <translation>All of this frame&apos;s points are marked.</translation>
    </message>
</context>
<context>
    <name>purzo::Page</name>
    <message>
        <source>Purzosimulation konnte nicht geladen werden. Bitte laden Sie die Seite neu.</source>
        <translation>Purzosimulation could not be loaded. Please reload the page.</translation>
    </message>
    <message>
        <source>Grund: %1</source>
        <translation>Reason: %1</translation>
    </message>
    <message>
        <source>Das Programm ist beendet. Sie können dieses Fenster jetzt schließen.</source>
        <translation>The program has ended. You can close this window now.</translation>
    </message>
    <message>
        <source>Neu beginnen</source>
        <translation>Start again</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Diagramme</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>voriger Flug</source>
        <translation>previous flight</translation>
    </message>
    <message>
        <source>dieser Flug</source>
        <translation>this flight</translation>
    </message>
    <message>
        <source>Die Tabelle enthält das Blatt „Flug“; die Diagramme zeigt die Seite selbst.</source>
        <translation>The spreadsheet holds the sheet “Flight”; the page itself shows the charts.</translation>
    </message>
    <message>
        <source>Absprung: %1 m/s, %2°</source>
        <translation>Take-off: %1 m/s, %2°</translation>
    </message>
    <message>
        <source>Haltung %1</source>
        <translation>Posture %1</translation>
    </message>
    <message>
        <source>Gelandet. %1</source>
        <translation>Landed. %1</translation>
    </message>
    <message>
        <source>Strecken</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>Hocken</source>
        <translation>Tuck</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Der Speicher des Browsers ist voll</source>
        <translation>The browser&apos;s storage is full</translation>
    </message>
    <message>
        <source>Höchster Punkt: %1 m, %2° gedreht</source>
        <translation>Highest point: %1 m, turned %2°</translation>
    </message>
    <message>
        <source>Video – Purzosimulation</source>
        <translation>Video – Purzosimulation</translation>
    </message>
    <message>
        <source>Video öffnen</source>
        <translation>Open video</translation>
    </message>
    <message>
        <source>Das Video bleibt auf diesem Gerät; nichts wird hochgeladen.</source>
        <translation>The video stays on this device; nothing is uploaded.</translation>
    </message>
    <message>
        <source>Das Video wird gelesen …</source>
        <translation>Reading the video …</translation>
    </message>
    <message>
        <source>Diese Datei ist kein Video, das die Seite lesen kann. Bitte wählen Sie ein Video im Format MP4, MOV oder WebM.</source>
        <translation>This file is not a video the page can read. Please choose a video in MP4, MOV or WebM format.</translation>
    </message>
    <message>
        <source>Dieser Browser kann dieses Video (%1) nicht entschlüsseln. Stellen Sie die Kamera auf „Maximale Kompatibilität“ (H.264) und filmen Sie noch einmal, oder öffnen Sie das Video in einem anderen Browser.</source>
        <translation>This browser cannot decode this video (%1). Set the camera to “Most compatible” (H.264) and film again, or open the video in another browser.</translation>
    </message>
    <message>
        <source>Dieser Browser entschlüsselt dieses Video hier nicht Bild für Bild (ohne HTTPS fehlt ihm etwa WebCodecs); die Seite hält dafür seinen eigenen Abspieler an. Ein gezeigtes Bild kann deshalb um eins neben dem genannten liegen.</source>
        <translation>This browser does not decode this video here frame by frame (without HTTPS it lacks WebCodecs, for one); the page pauses the browser’s own player instead. A frame shown may therefore be off by one from the one named.</translation>
    </message>
    <message>
        <source>Dieses Bild des Videos konnte nicht entschlüsselt werden.</source>
        <translation>This frame of the video could not be decoded.</translation>
    </message>
    <message>
        <source>Bild %1 von %2 · %3 s</source>
        <translation>Frame %1 of %2 · %3 s</translation>
    </message>
    <message>
        <source>Ein Bild zurück</source>
        <translation>One frame back</translation>
    </message>
    <message>
        <source>Ein Bild vor</source>
        <translation>One frame on</translation>
    </message>
    <message>
        <source>Bild im Video</source>
        <translation>Frame of the video</translation>
    </message>
    <message>
        <source>Abspielen</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Anhalten</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>1 ×</source>
        <translation>1 ×</translation>
    </message>
    <message>
        <source>½ ×</source>
        <translation>½ ×</translation>
    </message>
    <message>
        <source>¼ ×</source>
        <translation>¼ ×</translation>
    </message>
    <message>
        <source>Stab</source>
        <translation>Stick</translation>
    </message>
    <message>
        <source>Gelenke</source>
        <translation>Joints</translation>
    </message>
    <message>
        <source>Farbmarken</source>
        <translation>Colour markers</translation>
    </message>
    <message>
        <source>Stablänge in m: </source>
        <translation>Stick length in m: </translation>
    </message>
    <message>
        <source>Filmen Sie quer zur Sprungrichtung mit ruhiger Kamera; der Stab steht senkrecht auf dem Boden in der Ebene des Sprungs.</source>
        <translation>Film across the jump with a steady camera; the stick stands upright on the floor in the plane of the jump.</translation>
    </message>
    <message>
        <source>Tippen Sie auf das untere Ende des Stabs.</source>
        <translation>Tap the lower end of the stick.</translation>
    </message>
    <message>
        <source>Tippen Sie auf das obere Ende des Stabs.</source>
        <translation>Tap the upper end of the stick.</translation>
    </message>
    <message>
        <source>Maßstab: %1 Pixel je Meter; die Kamera ist um %2° gekippt.</source>
        <translation>Scale: %1 pixels per metre; the camera is tilted by %2°.</translation>
    </message>
    <message>
        <source>Die Stablänge muss eine positive Zahl in Metern sein.</source>
        <translation>The stick length must be a positive number of metres.</translation>
    </message>
    <message>
        <source>Die beiden Enden des Stabs liegen zu nah beieinander.</source>
        <translation>The two ends of the stick lie too close together.</translation>
    </message>
    <message>
        <source>Gelenk</source>
        <translation>Joint</translation>
    </message>
    <message>
        <source>Tippen Sie auf: %1</source>
        <translation>Tap: %1</translation>
    </message>
    <message>
        <source>Tippen Sie auf die Farbmarke: %1</source>
        <translation>Tap the colour marker: %1</translation>
    </message>
    <message>
        <source>Kopf</source>
        <translation>head</translation>
    </message>
    <message>
        <source>Schulter</source>
        <translation>shoulder</translation>
    </message>
    <message>
        <source>Ellbogen</source>
        <translation>elbow</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>hand</translation>
    </message>
    <message>
        <source>Hüfte</source>
        <translation>hip</translation>
    </message>
    <message>
        <source>Knie</source>
        <translation>knee</translation>
    </message>
    <message>
        <source>Fuß</source>
        <translation>foot</translation>
    </message>
    <message>
        <source>Auswerten</source>
        <translation>Evaluate</translation>
    </message>
    <message>
        <source>Markieren Sie zuerst die beiden Enden des Stabs und geben Sie seine Länge an.</source>
        <translation>First mark the two ends of the stick and enter its length.</translation>
    </message>
    <message>
        <source>Nur %1 Bilder in der Luft tragen genug Markierungen; es braucht mindestens %2.</source>
        <translation>Only %1 frames in the air carry enough marks; at least %2 are needed.</translation>
    </message>
    <message>
        <source>Absprunggeschwindigkeit: %1 m/s</source>
        <translation>Take-off speed: %1 m/s</translation>
    </message>
    <message>
        <source>Absprungwinkel: %1°</source>
        <translation>Take-off angle: %1°</translation>
    </message>
    <message>
        <source>Schwerpunkthöhe beim Absprung: %1 m</source>
        <translation>Height of the centre of mass at take-off: %1 m</translation>
    </message>
    <message>
        <source>g aus dem Video: %1 m/s²</source>
        <translation>g from the video: %1 m/s²</translation>
    </message>
    <message>
        <source>Drehung: %1 °/s gestreckt (Drehimpuls %2 kg·m²/s)</source>
        <translation>Spin: %1 °/s stretched (angular momentum %2 kg·m²/s)</translation>
    </message>
    <message>
        <source>Abweichungen (RMS): Schwerpunkt %1 cm, Drehung %2°</source>
        <translation>Residuals (RMS): centre of mass %1 cm, rotation %2°</translation>
    </message>
    <message>
        <source>In manchen Bildern fehlten Punkte; die am besten passende Haltung hat sie ergänzt.</source>
        <translation>Some frames lacked points; the best-fitting posture filled them in.</translation>
    </message>
    <message>
        <source>Die Geschwindigkeit liegt außerhalb des Modells; es fliegt mit der nächsten erlaubten.</source>
        <translation>The speed lies outside the model; it flies with the nearest allowed one.</translation>
    </message>
    <message>
        <source>Der Winkel liegt außerhalb des Modells; es fliegt mit dem nächsten erlaubten.</source>
        <translation>The angle lies outside the model; it flies with the nearest allowed one.</translation>
    </message>
    <message>
        <source>Die Drehung liegt außerhalb des erlaubten Bereichs; sie wird am nächsten erlaubten Wert gehalten.</source>
        <translation>The spin lies outside the allowed range; it is held at the nearest allowed value.</translation>
    </message>
    <message>
        <source>Die Körpergröße aus den Markierungen liegt außerhalb des erlaubten Bereichs; sie wird am nächsten erlaubten Wert gehalten.</source>
        <translation>The body height from the marks lies outside the allowed range; it is held at the nearest allowed value.</translation>
    </message>
    <message>
        <source>Kein Bild zeigt den Körper vor dem Flug auf dem Boden; die Absprunghöhe ist angenommen.</source>
        <translation>No frame shows the body on the floor before the flight; the take-off height is assumed.</translation>
    </message>
    <message>
        <source>Bilder in der Luft haben zu wenige Markierungen (war der Körper außerhalb des Bildes?).</source>
        <translation>Frames in the air have too few marks (was the body out of the picture?).</translation>
    </message>
    <message>
        <source>Farben verfolgen</source>
        <translation>Track colours</translation>
    </message>
    <message>
        <source>Verfolgen anhalten</source>
        <translation>Stop tracking</translation>
    </message>
    <message>
        <source>Wählen Sie zuerst die Farben der Marken: „Farbmarken“, dann auf jede Marke tippen.</source>
        <translation>First choose the markers’ colours: “Colour markers”, then tap each marker.</translation>
    </message>
    <message>
        <source>Farbmarken in %1 Bildern gefunden.</source>
        <translation>Colour markers found in %1 frames.</translation>
    </message>
    <message>
        <source>Gestrichelt über dem Video: derselbe Absprung mit dem anderen Hockplan, im Protokoll als Flug %1.</source>
        <translation>Dashed over the video: the same take-off with the other tuck plan, in the log as flight %1.</translation>
    </message>
</context>
<context>
    <name>purzo::PurzoWindow</name>
    <message>
        <source>Anleitung zur Purzosimulation</source>
        <translation>Guide to Purzosimulation</translation>
    </message>
    <message>
        <source>1.</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>Geben Sie als erstes die Absprunggeschwindigkeit an:</source>
        <translation>First enter the take-off speed:</translation>
    </message>
    <message>
        <source>Geschwindigkeit in m/s (4 - 8)</source>
        <translation>Speed in m/s (4 - 8)</translation>
    </message>
    <message>
        <source>2.</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>Geben Sie nun den Absprungwinkel an:</source>
        <translation>Now enter the take-off angle:</translation>
    </message>
    <message>
        <source>Winkel in Grad (30° - 80°)</source>
        <translation>Take-off angle (30° - 80°)</translation>
    </message>
    <message>
        <source>3.</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>Mit der rechten und linken Pfeiltaste können Sie während der Flugphase die Körperposition der Strichfigur ändern.</source>
        <translation>With the right and left arrow keys you change the stick figure&apos;s posture during the flight.</translation>
    </message>
    <message>
        <source>4.</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>Mit dem Button &quot;Simulation starten&quot; beginnt die Simulation.</source>
        <translation>The button &quot;Start simulation&quot; starts the simulation.</translation>
    </message>
    <message>
        <source>Sie haben Werte außerhalb des angegebenen Bereiches eingetragen. Es wurden die Standardwerte v=%1 und Winkel=%2 eingetragen </source>
        <translation>You entered values outside the given range. The standard values v=%1 and angle=%2 have been entered instead </translation>
    </message>
    <message>
        <source>Anmerkungen:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>- Der Drehimpuls beim Absprung wurde konstant eingestellt.</source>
        <translation>- The angular momentum at take-off is set constant.</translation>
    </message>
    <message>
        <source>- Die Berechnung des Körperschwerpunktes wurde nach dem Modell von Willimczik (1983, S.23-37) vorgenommen.</source>
        <translation>- The body&apos;s centre of mass is computed after the model of Willimczik (1983, pp. 23-37).</translation>
    </message>
    <message>
        <source>- Der Einfluss des Luftwiderstands wird bei der Berechnung der Flugbahn vernachlässigt.</source>
        <translation>- Air resistance is neglected in computing the flight path.</translation>
    </message>
    <message>
        <source>Ein Lehrprogramm zur Sportbiomechanik</source>
        <translation>A teaching program for sports biomechanics</translation>
    </message>
    <message>
        <source>Programm Ende</source>
        <translation>Exit program</translation>
    </message>
    <message>
        <source>Simulation starten</source>
        <translation>Start simulation</translation>
    </message>
    <message>
        <source>Bereich: %1 bis %2</source>
        <translation>Range: %1 to %2</translation>
    </message>
    <message>
        <source>Wiedergabegeschwindigkeit</source>
        <translation>Playback speed</translation>
    </message>
    <message>
        <source>Echtzeit</source>
        <translation>Real time</translation>
    </message>
    <message>
        <source>Zeitlupe</source>
        <translation>Slow motion</translation>
    </message>
    <message>
        <source>Extrem-Zeitlupe</source>
        <translation>Extra slow motion</translation>
    </message>
    <message>
        <source>Absprunghöhe in m</source>
        <translation>Take-off height in m</translation>
    </message>
    <message>
        <source>Beendet das Programm.</source>
        <translation>Ends the program.</translation>
    </message>
    <message>
        <source>%1 ms Pause vor jedem Bild</source>
        <translation>%1 ms pause before each frame</translation>
    </message>
    <message>
        <source>Flugbild</source>
        <translation>Flight picture</translation>
    </message>
    <message>
        <source>Körperposition</source>
        <translation>Body posture</translation>
    </message>
    <message>
        <source>Pfeiltasten</source>
        <translation>Arrow keys</translation>
    </message>
    <message>
        <source>Linke Pfeiltaste: Strecken. Rechte Pfeiltaste: Hocken.</source>
        <translation>Left arrow key: stretch. Right arrow key: tuck.</translation>
    </message>
    <message>
        <source>Zeichen</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Flugprotokoll</source>
        <translation>Flight log</translation>
    </message>
    <message>
        <source>Flug %1: %2 m/s, %3°, %4</source>
        <translation>Flight %1: %2 m/s, %3°, %4</translation>
    </message>
</context>
<context>
    <name>purzo::ToolWindows</name>
    <message>
        <source>Was wäre, wenn…</source>
        <translation>What if…</translation>
    </message>
</context>
<context>
    <name>purzo::ToolsButton</name>
    <message>
        <source>Werkzeuge ▾</source>
        <translation>Tools ▾</translation>
    </message>
    <message>
        <source>Öffnet das Menü der Werkzeuge für den Unterricht.</source>
        <translation>Opens the menu of the lesson tools.</translation>
    </message>
</context>
<context>
    <name>purzo::TrackingPanel</name>
    <message>
        <source>Kleben Sie farbige Marken auf die Gelenke. Wählen Sie einen Punkt in der Liste und klicken Sie im Bild auf seine Marke; „Verfolgen“ sucht die Marken dann vom gezeigten Bild bis zum Ende. Eine falsch gefundene Marke verschieben Sie mit der Maus.</source>
        <translation>Stick coloured markers on the joints. Choose a point in the list and click its marker in the frame; “Track” then finds the markers from the frame shown to the end. Drag a marker found in the wrong place with the mouse.</translation>
    </message>
    <message>
        <source>Farbe &amp;entfernen</source>
        <translation>Forget colo&amp;ur</translation>
    </message>
    <message>
        <source>&amp;Verfolgen</source>
        <translation>&amp;Track</translation>
    </message>
    <message>
        <source>Abbrec&amp;hen</source>
        <translation>C&amp;ancel</translation>
    </message>
    <message>
        <source>Verfolgen: %1 – klicken Sie im Bild auf seine Marke.</source>
        <translation>Track: %1 – click its marker in the frame.</translation>
    </message>
    <message>
        <source>%1 – Farbe %2</source>
        <translation>%1 – colour %2</translation>
    </message>
    <message>
        <source>%1 – keine Farbe</source>
        <translation>%1 – no colour</translation>
    </message>
</context>
<context>
    <name>purzo::TuckPlanDialog</name>
    <message>
        <source>Hockplan</source>
        <translation>Tuck plan</translation>
    </message>
    <message>
        <source>Der Flug beginnt gestreckt, hockt ab dem gewählten Bild so lange wie geplant und streckt sich dann wieder. Die Pfeiltasten ändern in diesem Flug nichts.</source>
        <translation>The flight starts stretched, tucks from the chosen frame for as long as planned and then stretches again. The arrow keys change nothing in this flight.</translation>
    </message>
    <message>
        <source>Haltung %1 (eng gehockt)</source>
        <translation>Posture %1 (tight tuck)</translation>
    </message>
    <message>
        <source>Haltung %1</source>
        <translation>Posture %1</translation>
    </message>
    <message>
        <source>Hocken ab &amp;Bild:</source>
        <translation>Tuck from &amp;frame:</translation>
    </message>
    <message>
        <source>Gehockt &amp;für:</source>
        <translation>Tucked f&amp;or:</translation>
    </message>
    <message>
        <source>&amp;Haltung:</source>
        <translation>&amp;Posture:</translation>
    </message>
    <message>
        <source>&amp;Vorhersage der Gruppe:</source>
        <translation>The group&apos;s p&amp;rediction:</translation>
    </message>
    <message>
        <source>Grad</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>Umdrehungen</source>
        <translation>turns</translation>
    </message>
    <message>
        <source>&amp;Landung:</source>
        <translation>&amp;Landing:</translation>
    </message>
    <message>
        <source>&amp;Drehung:</source>
        <translation>Ro&amp;tation:</translation>
    </message>
    <message>
        <source>Plan flie&amp;gen</source>
        <translation>Fl&amp;y the plan</translation>
    </message>
    <message>
        <source>Bild %1 bis %2</source>
        <translation>frame %1 to %2</translation>
    </message>
    <message>
        <source>1 bis %1 Bilder</source>
        <translation>1 to %1 frames</translation>
    </message>
    <message>
        <source>%1 s nach dem Absprung (%2)</source>
        <translation>%1 s after take-off (%2)</translation>
    </message>
    <message>
        <source>Bilder = %1 s (%2)</source>
        <translation>frames = %1 s (%2)</translation>
    </message>
    <message>
        <source>Die Drehung ist eine Zahl von 0 bis 3600 Grad (10 Umdrehungen), nicht „%1“.</source>
        <translation>The rotation is a number from 0 to 3600 degrees (10 turns), not “%1”.</translation>
    </message>
    <message>
        <source>statt der drei Felder, wie purzo-trace --postures</source>
        <translation>instead of the three fields, as purzo-trace --postures</translation>
    </message>
    <message>
        <source>&amp;Oder Haltungen Bild für Bild:</source>
        <translation>Or postures frame by fra&amp;me:</translation>
    </message>
    <message>
        <source>Die Haltungen sind Zahlen von 1 bis 7, durch Kommas getrennt, eine für jedes Bild, nicht „%1“.</source>
        <translation>The postures are numbers from 1 to 7 separated by commas, one for each frame, not “%1”.</translation>
    </message>
</context>
<context>
    <name>purzo::VideoFrameView</name>
    <message>
        <source>Bild des Videos</source>
        <translation>Video frame</translation>
    </message>
</context>
<context>
    <name>purzo::VideoOpening</name>
    <message>
        <source>Video öffnen</source>
        <translation>Open video</translation>
    </message>
    <message>
        <source>Videos (*.mp4 *.MP4 *.mov *.MOV *.webm *.mkv *.m4v);;Alle Dateien (*)</source>
        <translation>Videos (*.mp4 *.MP4 *.mov *.MOV *.webm *.mkv *.m4v);;All files (*)</translation>
    </message>
    <message>
        <source>„%1“ lässt sich nicht als Video öffnen: die Datei ist kein Video, sie ist abgeschnitten, oder ihr Format kann dieser Rechner nicht lesen.</source>
        <translation>“%1” cannot be opened as a video: the file is no video, it is cut off, or this computer cannot read its format.</translation>
    </message>
    <message>
        <source>Filmen Sie mit der Einstellung „Maximale Kompatibilität“ der Kamera (H.264 statt HEVC) oder wandeln Sie das Video in MP4 um, und öffnen Sie es dann noch einmal.</source>
        <translation>Film with the camera&apos;s “Most compatible” setting (H.264 rather than HEVC) or convert the video to MP4, then open it again.</translation>
    </message>
    <message>
        <source>Meldung von FFmpeg: %1</source>
        <translation>FFmpeg says: %1</translation>
    </message>
    <message>
        <source>%1 · %2 × %3 Pixel · %4 Bilder in %5 s, im Mittel %6 Bilder/s</source>
        <translation>%1 · %2 × %3 pixels · %4 frames in %5 s, on average %6 frames/s</translation>
    </message>
    <message>
        <source>Bild %1 lässt sich nicht lesen: die Datei „%2“ bricht vorher ab oder ist beschädigt. Die Bilder davor lassen sich auswerten.</source>
        <translation>Frame %1 cannot be read: the file “%2” breaks off before it or is damaged. The frames before it can be used.</translation>
    </message>
</context>
<context>
    <name>purzo::VideoStepBar</name>
    <message>
        <source>Erstes Bild (Pos1)</source>
        <translation>First frame (Home)</translation>
    </message>
    <message>
        <source>Ein Bild zurück (Pfeil links)</source>
        <translation>One frame back (left arrow)</translation>
    </message>
    <message>
        <source>Abspielen / Anhalten (Leertaste)</source>
        <translation>Play / pause (space bar)</translation>
    </message>
    <message>
        <source>Ein Bild vor (Pfeil rechts)</source>
        <translation>One frame on (right arrow)</translation>
    </message>
    <message>
        <source>Letztes Bild (Ende)</source>
        <translation>Last frame (End)</translation>
    </message>
    <message>
        <source>Bild im Video</source>
        <translation>Frame in the video</translation>
    </message>
    <message>
        <source>Bildnummer</source>
        <translation>Frame number</translation>
    </message>
    <message>
        <source>&amp;Bild:</source>
        <translation>F&amp;rame:</translation>
    </message>
    <message>
        <source>1× (Echtzeit)</source>
        <translation>1× (real time)</translation>
    </message>
    <message>
        <source>½× (halb so schnell)</source>
        <translation>½× (half speed)</translation>
    </message>
    <message>
        <source>¼× (viertel so schnell)</source>
        <translation>¼× (quarter speed)</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>&amp;Speed:</translation>
    </message>
    <message>
        <source>Bild %1 von %2 · %3 s</source>
        <translation>Frame %1 of %2 · %3 s</translation>
    </message>
    <message>
        <source>Kein Video</source>
        <translation>No video</translation>
    </message>
</context>
<context>
    <name>purzo::VideoTracking</name>
    <message>
        <source>Bild %1 lässt sich nicht lesen: verfolgt bis Bild %2.</source>
        <translation>Frame %1 cannot be read: tracked up to frame %2.</translation>
    </message>
    <message>
        <source>Abgebrochen: verfolgt bis Bild %1.</source>
        <translation>Cancelled: tracked up to frame %1.</translation>
    </message>
    <message>
        <source>Verfolgt bis zum letzten Bild. Prüfen Sie die Marken Bild für Bild und verschieben Sie falsch gefundene.</source>
        <translation>Tracked to the last frame. Check the markers frame by frame and drag any found in the wrong place.</translation>
    </message>
</context>
<context>
    <name>purzo::VideoWindow</name>
    <message>
        <source>Video – Purzosimulation</source>
        <translation>Video – Purzosimulation</translation>
    </message>
    <message>
        <source>Video ö&amp;ffnen…</source>
        <translation>&amp;Open video…</translation>
    </message>
    <message>
        <source>&amp;Kalibrieren</source>
        <translation>&amp;Calibrate</translation>
    </message>
    <message>
        <source>&amp;Markieren</source>
        <translation>&amp;Mark</translation>
    </message>
    <message>
        <source>Verf&amp;olgen</source>
        <translation>Trac&amp;k</translation>
    </message>
    <message>
        <source>A&amp;uswerten</source>
        <translation>F&amp;it</translation>
    </message>
    <message>
        <source>%1 – Video – Purzosimulation</source>
        <translation>%1 – Video – Purzosimulation</translation>
    </message>
    <message>
        <source>Die Markierungen oder der Stab haben sich geändert: „Auswerten“ passt den Flug neu an.</source>
        <translation>The marks or the stick have changed: “Fit” fits the flight anew.</translation>
    </message>
    <message>
        <source>Noch kein Video. „Video öffnen…“ lädt eines (MP4, MOV, WebM, MKV). Gefilmt wird quer zum Sprung, nicht in Sprungrichtung, mit ruhiger Kamera, und ein Stab bekannter Länge steht senkrecht auf dem Boden in der Ebene des Sprungs.</source>
        <translation>No video yet. “Open video…” loads one (MP4, MOV, WebM, MKV). Film across the jump, not along it, with the camera held still, and with a stick of known length standing upright on the floor in the plane of the jump.</translation>
    </message>
</context>
</TS>
