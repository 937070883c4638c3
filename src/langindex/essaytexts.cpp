#include "langindex/essaytexts.h"

namespace zm::langindex {

QStringList procedureHints()
{
    return {
        QStringLiteral("Hinweise zum Vorgehen in drei Schritten:"),
        QStringLiteral(""),
        QStringLiteral("1. Der Rechner bleibt aus, spart Strom, ist leise... Korrigiere zunächst alle Arbeiten!"),
        QStringLiteral(""),
        QStringLiteral("2. Nachdem das\"Sprachen\"-Modul des Zensomats gestartet wurde, werden zunächst"),
        QStringLiteral("   die nur einmalig einzugebenden Grundbedingungen für Klasse oder Kurs eingegeben:"),
        QStringLiteral("        a) Falls gewählt: Bezugsgruppe für die Umrechnung des Fehlerindexes in eine Note"),
        QStringLiteral("        b) Gewichtung der Teilbereiche per Faktor (rot, gelb oder blau), falls gewünscht"),
        QStringLiteral("        c) Gewichtung der Teilaufgaben, falls gewünscht oder additive Methode wählen."),
        QStringLiteral("   "),
        QStringLiteral("3. Jetzt kann für jede Schülerin, für jeden Schüler die individuelle Note durch"),
        QStringLiteral("   Eingabe von: Wortzahl und Fehlerzahl bzw. Punkte für Sprachrichtigkeit,"),
        QStringLiteral("   Ausdrucksvermögen und weiteren Aufgabenteilen ermittelt werden."),
        QStringLiteral("   Folge einfach den Tabulatorsprüngen!"),
        QStringLiteral(""),
        QStringLiteral("Deutschkollegen und Kolleginnen sollten einfach eine Teilaufgabe mit entsprechender"),
        QStringLiteral("Gewichtung für das Bewerten des \"Aufbaus\" benutzen. "),
        QStringLiteral("Der Inhalt/Teilaufgabenteil kann auch separat genutzt werden, einfach die Faktoren "),
        QStringLiteral("von Fehlerindex und Ausdruck (rot, gelb)auf 0 (Null) setzen. "),
        QStringLiteral("Wer will, kann eine Ergebnisliste mitschreiben, speichern und (oder) drucken.  "),
        QStringLiteral("Sollte ein Nachschreiber später noch bewertet werden müssen, kann die Klassenliste wieder   "),
        QStringLiteral("geöffnet werden. Der/die Nachzügler werden dann bewertet und unten rangehängt.   "),
        QStringLiteral("Achtung, nach Beenden des Zensomats sind alle nicht gespeicherten Einträge weg. "),
    };
}

QStringList indexInfo()
{
    return {
        QStringLiteral("Letzte Überarbeitung der Indextabelle im Dezember 2008."),
        QStringLiteral("Für den 11. Jahrgang werden die Werte empfohlen,"),
        QStringLiteral("für 12 und 13 waren die Werte in Schleswig-Holstein verbindlich!"),
        QStringLiteral("Momentan, 2011, kann in SH auch ohne Index gearbeitet werden!"),
        QStringLiteral(
            "Genauere Beschreibungen sind unter dem Schalter \"Indexwerte ansehen\" und im Lernnetz SH zu bekommen!"),
    };
}

} // namespace zm::langindex
