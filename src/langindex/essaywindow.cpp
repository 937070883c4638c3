#include "langindex/essaywindow.h"

#include "app/forms.h"
#include "common/errorreport.h"
#include "common/errors.h"
#include "common/messages.h"
#include "common/windowprint.h"
#include "langindex/ownthresholds.h"
#include "common/widgetstyle.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>
#include <QTime>
#include <QTimer>
#include <QValidator>

namespace li = zm::langindex;

namespace {

// System colours of the original look.
const QColor WindowColour(255, 255, 255);
const QColor MenuColour(240, 240, 240);
const QColor InactiveBorderColour(244, 247, 252);
const QColor InactiveCaptionColour(191, 205, 219);
const QColor LanguageColour(255, 0, 0);
const QColor ExpressionColour(255, 255, 0);

const QString WithIndexCaption = QStringLiteral("mit Fehlerindex");
const QString WithoutIndexCaption = QStringLiteral("ohne Fehlerindex");

constexpr int ClientWidth = 1000;
constexpr int ClientHeight = 634;
constexpr int StatusHeight = 22;

// Tab key reaches the widget or not; the mouse still gives it the focus.
void setTabStop(QWidget *widget, bool on)
{
    const int policy = on ? (widget->focusPolicy() | Qt::TabFocus) : (widget->focusPolicy() & ~Qt::TabFocus);
    widget->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
}

QLabel *label(const QString &text, QWidget *parent, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

QLabel *colouredLabel(const QString &text, QWidget *parent, const QRect &geometry, const QColor &background)
{
    QLabel *l = label(text, parent, geometry);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, background);
    l->setPalette(pal);
    l->setContentsMargins(3, 0, 3, 0);
    return l;
}

QLineEdit *edit(const QString &name, QWidget *parent, const QRect &geometry, bool tabStop = true)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(geometry);
    if (!tabStop)
        setTabStop(e, false);
    return e;
}

QPushButton *button(const QString &name, const QString &caption, QWidget *parent, const QRect &geometry)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}

void setTextColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Active, role, colour);
    pal.setColor(QPalette::Inactive, role, colour);
    widget->setPalette(pal);
}

void setBold(QWidget *widget, int pointSize = 0)
{
    QFont font = widget->font();
    font.setBold(true);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    widget->setFont(font);
}

// Typed letters appear as capitals (or small letters) in the area weights.
class CaseValidator : public QValidator
{
public:
    CaseValidator(bool upper, QObject *parent)
        : QValidator(parent)
        , m_upper(upper)
    {
    }
    State validate(QString &input, int &) const override
    {
        input = m_upper ? input.toUpper() : input.toLower();
        return Acceptable;
    }

private:
    bool m_upper;
};

// "Pi mal Daumen": a π beside a raised thumb.
QPixmap rulePicture(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 120), 2));
    p.setBrush(QColor(255, 250, 225));
    p.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 14, 14);

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(size.height() * 11 / 20);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(QColor(170, 30, 30));
    p.drawText(QRectF(0, 0, size.width() * 0.42, size.height()), Qt::AlignCenter, QStringLiteral("π"));
    font.setPixelSize(size.height() / 6);
    font.setItalic(false);
    p.setFont(font);
    p.setPen(QColor(60, 60, 90));
    p.drawText(QRectF(size.width() * 0.36, 0, size.width() * 0.16, size.height()), Qt::AlignCenter,
               QStringLiteral("×"));

    // The thumb: a fist with the thumb raised.
    const qreal x = size.width() * 0.56;
    const qreal y = size.height() * 0.22;
    const qreal w = size.width() * 0.34;
    const qreal h = size.height() * 0.6;
    p.setPen(QPen(QColor(120, 80, 50), 2));
    p.setBrush(QColor(240, 200, 160));
    p.drawRoundedRect(QRectF(x + w * 0.18, y, w * 0.26, h * 0.55), w * 0.13, w * 0.13);
    p.drawRoundedRect(QRectF(x, y + h * 0.38, w, h * 0.62), w * 0.16, w * 0.16);
    for (int i = 1; i < 4; ++i) {
        const qreal fy = y + h * 0.38 + h * 0.62 * i / 4;
        p.drawLine(QPointF(x + w * 0.55, fy), QPointF(x + w - 3, fy));
    }
    return pixmap;
}

QStringList helpLines()
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

QStringList infoLines()
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

} // namespace

TForm14::TForm14(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Online Hilfe: erst alle Arbeiten nachsehen, dann hier bewerten."));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, InactiveBorderColour);
    setPalette(pal);
    setFixedSize(ClientWidth, ClientHeight);

    // Creation order is the Tab order: per-student fields first in each area.
    buildTopAndLanguage();
    buildMiddleColumn();
    buildContent();
    buildBottom();

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(8, 8, ClientWidth - 16, ClientHeight - StatusHeight - 58);
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setPlainText(li::indexText());
    RichEdit1->hide();
    const int viewButtonsTop = ClientHeight - StatusHeight - 44;
    Button5 = button(QStringLiteral("Button5"), QStringLiteral("Drucken"), this, QRect(8, viewButtonsTop, 160, 30));
    Button5->setToolTip(QStringLiteral("Druckt alle Indexwerte, ca. 6 Seiten ! "));
    Button5->hide();
    Button6 = button(QStringLiteral("Button6"), QStringLiteral("Werte wieder ausblenden"), this,
                     QRect(176, viewButtonsTop, 200, 30));
    Button6->hide();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, ClientHeight - StatusHeight, ClientWidth, StatusHeight);
    static constexpr std::array<int, 3> PanelWidths = {499, 150, 0};
    for (std::size_t i = 0; i < statusPanels.size(); ++i) {
        auto *panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        if (PanelWidths[i] > 0)
            panel->setFixedWidth(PanelWidths[i]);
        StatusBar1->addWidget(panel, PanelWidths[i] > 0 ? 0 : 1);
        statusPanels[i] = panel;
    }
    statusPanels[0]->setText(QStringLiteral(" Zensomat – Notenrechner für Lehrkräfte"));
    statusPanels[2]->setAlignment(Qt::AlignCenter);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connectHandlers();
    zm::ui::guarded([this] {
        FormCreate();
        Timer1Timer();
    });
    Timer1->start();
}

TForm14::~TForm14()
{
    GroupBox11->removeEventFilter(this);
    Label30->removeEventFilter(this);
}

void TForm14::buildTopAndLanguage()
{
    // Left: the two group boxes at the same place, one visible at a time.
    const QRect leftArea(8, 8, 410, 524);
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(leftArea);
    GroupBox6 = new QGroupBox(this);
    GroupBox6->setObjectName(QStringLiteral("GroupBox6"));
    GroupBox6->setGeometry(leftArea);

    // Word count and points stand on the window, over whichever box is shown.
    const QPoint editCount(160, 20);
    const QPoint editPoints(306, 76);

    label(QStringLiteral("Anzahl der Wörter:"), GroupBox1, QRect(10, editCount.y(), 148, 22));
    label(QStringLiteral("Anzahl der Fehler:"), GroupBox1, QRect(10, 48, 148, 22));
    Edit2 = edit(QStringLiteral("Edit2"), GroupBox1, QRect(editCount.x(), 48, 62, 22));
    colouredLabel(QStringLiteral("Fehlerindex "), GroupBox1, QRect(232, 20, 90, 22), LanguageColour);
    label(QStringLiteral("Quotient:"), GroupBox1, QRect(232, 48, 72, 22));
    Edit3 = edit(QStringLiteral("Edit3"), GroupBox1, QRect(editPoints.x(), 48, 50, 22), false);
    label(QStringLiteral("und somit"), GroupBox1, QRect(232, editPoints.y(), 72, 22));
    label(QStringLiteral("Punkte"), GroupBox1, QRect(editPoints.x() + 54, editPoints.y(), 48, 22));
    Label21 = label(QString(), GroupBox1, QRect(10, 80, 116, 20));
    Label21->setObjectName(QStringLiteral("Label21"));
    setBold(Label21);
    Label24 = label(QString(), GroupBox1, QRect(130, 80, 98, 20));
    Label24->setObjectName(QStringLiteral("Label24"));
    setBold(Label24);

    buildLevels();

    Button1 =
        button(QStringLiteral("Button1"), QStringLiteral("eigene Werte eingeben"), GroupBox1, QRect(8, 452, 196, 28));
    Button7 = button(QStringLiteral("Button7"), QStringLiteral("Diktat"), GroupBox1, QRect(208, 452, 96, 28));
    Button11 = button(QStringLiteral("Button11"), QStringLiteral("Info"), GroupBox1, QRect(308, 452, 96, 28));
    Button11->setToolTip(QStringLiteral("Wichtig!"));
    Button4 =
        button(QStringLiteral("Button4"), QStringLiteral("Indexwerte ansehen"), GroupBox1, QRect(8, 486, 196, 28));
    Button2 = button(QStringLiteral("Button2"), QString(), GroupBox1, QRect(208, 486, 96, 28));
    Button2->hide();
    GroupBox1->hide();

    QLabel *wordCount =
        label(QStringLiteral("Wortzahl, falls gewünscht:"), GroupBox6, QRect(10, editCount.y() - 8, 146, 38));
    wordCount->setWordWrap(true);
    m_withoutIndexLabels << wordCount;
    m_withoutIndexLabels << colouredLabel(QStringLiteral("Sprachrichtigkeit, max 15 P.:"), GroupBox6,
                                          QRect(96, editPoints.y(), 204, 22), LanguageColour);
    Image1 = new QLabel(GroupBox6);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(45, 160, 320, 220);
    Image1->setPixmap(rulePicture(Image1->size()));
    Image1->setToolTip(QStringLiteral("Pi mal Daumen"));

    Edit1 = edit(QStringLiteral("Edit1"), this, QRect(leftArea.topLeft() + editCount, QSize(62, 22)), false);
    Edit4 = edit(QStringLiteral("Edit4"), this, QRect(leftArea.topLeft() + editPoints, QSize(50, 22)), false);
    zm::ui::setFieldColour(Edit1, MenuColour);
    zm::ui::setFieldColour(Edit4, WindowColour);

    // Top middle: final score and grade.
    label(QStringLiteral("Endnote:"), this, QRect(426, 4, 80, 22));
    Edit21 = edit(QStringLiteral("Edit21"), this, QRect(426, 26, 92, 40), false);
    setBold(Edit21, 16);
    Label30 = label(QString(), this, QRect(526, 26, 80, 40));
    Label30->setObjectName(QStringLiteral("Label30"));
    setBold(Label30, 16);
}

void TForm14::buildLevels()
{
    label(QStringLiteral("Englisch, nach den"), GroupBox1, QRect(10, 108, 194, 20));
    label(QStringLiteral("Französisch, Werte waren"), GroupBox1, QRect(210, 108, 196, 20));
    auto *left = new QGroupBox(QStringLiteral("Abiturbest. ab 04/05 "), GroupBox1);
    left->setGeometry(8, 128, 196, 318);
    auto *right = new QGroupBox(QStringLiteral("2004/05 in SH verbindlich. "), GroupBox1);
    right->setGeometry(208, 128, 196, 318);

    // One group across both frames: selecting any level deselects the others.
    m_levelGroup = new QButtonGroup(this);
    m_levelGroup->setExclusive(true);
    int row[2] = {0, 0};
    for (std::size_t i = 0; i < li::levels().size(); ++i) {
        const li::LevelInfo &info = li::levels()[i];
        QGroupBox *frame = info.leftColumn ? left : right;
        int &r = row[info.leftColumn ? 0 : 1];
        auto *radio = new QRadioButton(QString::fromUtf8(info.caption), frame);
        radio->setObjectName(QString::fromLatin1(info.objectName));
        radio->setGeometry(10, 22 + r * 22, 180, 21);
        if (*info.hint)
            radio->setToolTip(QString::fromUtf8(info.hint));
        // An unchecked radio button is no tab stop; it becomes one when checked.
        setTabStop(radio, false);
        m_levelGroup->addButton(radio, static_cast<int>(i));
        m_levelButtons[i] = radio;
        ++r;
    }
}

void TForm14::buildMiddleColumn()
{
    const int x = 426;
    const int w = 180;
    Button3 = button(QStringLiteral("Button3"), QStringLiteral("Endnote berechnen"), this, QRect(x, 74, w, 30));
    setTextColour(Button3, QPalette::ButtonText, LanguageColour);
    Button3->setCursor(Qt::PointingHandCursor);
    CheckBox1 = new QCheckBox(QStringLiteral("Ergebnisse mitschreiben"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(x, 108, w, 24);
    CheckBox1->setChecked(true);
    Button14 = button(QStringLiteral("Button14"), WithIndexCaption, this, QRect(x, 136, w, 28));
    Button9 = button(QStringLiteral("Button9"), QStringLiteral("Mitschrift speichern"), this, QRect(x, 168, w, 28));
    Button9->setToolTip(QStringLiteral("Dieser Schalter reagiert nur, wenn ein (neuer) Eintrag vorliegt!"));
    Button10 = button(QStringLiteral("Button10"), QStringLiteral("ansehen/öffnen"), this, QRect(x, 200, w, 28));
    Button8 = button(QStringLiteral("Button8"), QStringLiteral("Hinweise zum Vorgehen"), this, QRect(x, 232, w, 28));
    Button13 = button(QStringLiteral("Button13"), QStringLiteral("Hilfe zum Programm"), this, QRect(x, 264, w, 28));
    Button12 = button(QStringLiteral("Button12"), QStringLiteral("Ende"), this, QRect(x, 296, w, 28));
    setTextColour(Button12, QPalette::ButtonText, LanguageColour);
    setBold(Button12);

    // Until the final grade and the transcript are built, their buttons stay off.
    Button3->setEnabled(false);
    Button9->setEnabled(false);
    Button10->setEnabled(false);
    Button7->setEnabled(false);
    Button13->setEnabled(false);

    auto *expression = new QGroupBox(this);
    expression->setGeometry(x, 336, w, 112);
    colouredLabel(QStringLiteral("Ausdrucksvermögen"), expression, QRect(8, 10, w - 16, 22), ExpressionColour);
    label(QStringLiteral("Punktzahl von"), expression, QRect(8, 40, 100, 20));
    label(QStringLiteral("0 bis 15:"), expression, QRect(8, 62, 80, 20));
    Edit17 = edit(QStringLiteral("Edit17"), expression, QRect(100, 60, 60, 26));
}

void TForm14::buildContent()
{
    auto *content = new QGroupBox(this);
    content->setGeometry(614, 8, 378, 524);
    colouredLabel(QStringLiteral("Inhalt / Teilaufgaben:"), content, QRect(8, 8, 170, 22), InactiveCaptionColour);

    RadioButton12 = new QRadioButton(QStringLiteral("jeder Teil erhält max. 15 Punkte."), content);
    RadioButton12->setObjectName(QStringLiteral("RadioButton12"));
    RadioButton12->setGeometry(8, 36, 300, 22);
    RadioButton12->setChecked(true);
    RadioButton13 = new QRadioButton(QStringLiteral("Additiv, Punkte werden addiert zu max. ?"), content);
    RadioButton13->setObjectName(QStringLiteral("RadioButton13"));
    RadioButton13->setGeometry(8, 60, 290, 22);
    setTabStop(RadioButton13, false);
    Edit22 = edit(QStringLiteral("Edit22"), content, QRect(302, 60, 62, 22));
    Edit22->setText(QStringLiteral("100"));
    Edit22->hide();

    m_weightedNotes << label(QStringLiteral("Jede Teilaufgabe er-"), content, QRect(8, 90, 200, 18));
    m_weightedNotes << label(QStringLiteral("hält 0 bis 15 Punkte!"), content, QRect(8, 108, 200, 18));
    m_weightedNotes << label(QStringLiteral("%-Anteil oder"), content, QRect(264, 86, 112, 17));
    m_weightedNotes << label(QStringLiteral("Gewichtung der"), content, QRect(264, 103, 112, 17));
    m_weightedNotes << label(QStringLiteral("Teilaufgaben:"), content, QRect(264, 120, 112, 17));

    // Teilaufgaben 1 … 6 top to bottom, with their points and weight/value fields.
    static constexpr std::array<std::pair<int, int>, 6> Fields = {
        {{12, 6}, {13, 7}, {11, 5}, {14, 8}, {15, 9}, {16, 10}}};
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        const int y = 142 + static_cast<int>(i) * 56;
        auto *box = new QGroupBox(QStringLiteral("Teilaufgabe %1").arg(i + 1), content);
        box->setObjectName(QStringLiteral("PartBox%1").arg(i + 1));
        box->setGeometry(8, y, 250, 52);
        if (i == 0)
            box->setToolTip(QStringLiteral("z.B. Inhalt oder Aufbau"));
        else if (i == 1)
            box->setToolTip(QStringLiteral("z.B. Aufbau oder Inhalt"));
        label(QStringLiteral("erzielte Punktzahl:"), box, QRect(10, 22, 140, 22));
        m_parts[i].points = edit(QStringLiteral("Edit%1").arg(Fields[i].first), box, QRect(170, 20, 66, 24));
        m_parts[i].value =
            edit(QStringLiteral("Edit%1").arg(Fields[i].second), content, QRect(268, y + 20, 66, 24), false);
    }
    Edit12 = m_parts[0].points;
    Edit13 = m_parts[1].points;
    Edit11 = m_parts[2].points;
    Edit14 = m_parts[3].points;
    Edit15 = m_parts[4].points;
    Edit16 = m_parts[5].points;
    Edit6 = m_parts[0].value;
    Edit7 = m_parts[1].value;
    Edit5 = m_parts[2].value;
    Edit8 = m_parts[3].value;
    Edit9 = m_parts[4].value;
    Edit10 = m_parts[5].value;

    Label12 = label(QStringLiteral("Zwischenergebnis der Teilaufgaben"), content, QRect(8, 486, 246, 24));
    Label12->setObjectName(QStringLiteral("Label12"));
    Label25 = label(QStringLiteral(" ?  "), content, QRect(256, 486, 56, 24));
    Label25->setObjectName(QStringLiteral("Label25"));
    Label25->setToolTip(QStringLiteral("Werden mit der Endnote berechnet und angezeigt!"));
    setBold(Label25);
    label(QStringLiteral("Punkte."), content, QRect(314, 486, 60, 24));
}

void TForm14::buildBottom()
{
    GroupBox11 = new QGroupBox(QStringLiteral("Gewichtung der Teibereiche:"), this);
    GroupBox11->setObjectName(QStringLiteral("GroupBox11"));
    GroupBox11->setGeometry(8, 540, 984, 62);
    // Each weight below the area it weights; its colour names the area.
    Edit18 = edit(QStringLiteral("Edit18"), GroupBox11, QRect(164, 28, 50, 24), false);
    Edit19 = edit(QStringLiteral("Edit19"), GroupBox11, QRect(520, 28, 50, 24), false);
    Edit20 = edit(QStringLiteral("Edit20"), GroupBox11, QRect(706, 28, 50, 24), false);
    Edit18->setText(QStringLiteral("1"));
    Edit19->setText(QStringLiteral("1"));
    Edit20->setText(QStringLiteral("1"));
    zm::ui::setFieldColour(Edit18, LanguageColour);
    zm::ui::setFieldColour(Edit19, ExpressionColour);
    zm::ui::setFieldColour(Edit20, InactiveCaptionColour);
    Edit19->setValidator(new CaseValidator(true, Edit19));
    Edit20->setValidator(new CaseValidator(false, Edit20));
}

void TForm14::connectHandlers()
{
    using zm::ui::guard;
    connect(Edit2, &QLineEdit::textChanged, this, guard([this] { Edit3Change(); }));
    connect(Edit3, &QLineEdit::textChanged, this, guard([this] { Edit4Change(); }));
    connect(m_levelGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on)
            return;
        // A radio button that becomes checked becomes a tab stop.
        setTabStop(m_levelButtons.at(static_cast<std::size_t>(id)), true);
        zm::ui::guarded([this] { Edit4Change(); });
    });
    connect(Button2, &QPushButton::clicked, this, guard([this] { Edit4Change(); }));
    GroupBox11->installEventFilter(this);
    Label30->installEventFilter(this);

    connect(Button14, &QPushButton::clicked, this, guard([this] { Button14Click(); }));

    // A change of a part's points runs its handler; a change of its
    // weight/value field runs the next part's; the maximum runs the first task's.
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        const int part = static_cast<int>(i);
        connect(m_parts[i].points, &QLineEdit::textChanged, this, guard([this, part] { partChange(part); }));
        if (i + 1 < m_parts.size())
            connect(m_parts[i].value, &QLineEdit::textChanged, this, guard([this, part] { partChange(part + 1); }));
    }
    connect(Edit22, &QLineEdit::textChanged, this, guard([this] { partChange(0); }));
    connect(RadioButton12, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            zm::ui::guarded([this] { RadioButton12Click(); });
    });
    connect(RadioButton13, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            zm::ui::guarded([this] { RadioButton13Click(); });
    });
    connect(Edit17, &QLineEdit::textChanged, this, guard([this] { Edit17Change(); }));
    connect(CheckBox1, &QCheckBox::clicked, this, guard([this] { FormCreate(); }));

    connect(Button3, &QPushButton::clicked, this, guard([this] { Button3Click(); }));
    connect(Edit21, &QLineEdit::textChanged, this, guard([this] { Label30Click(); }));
    connect(Button9, &QPushButton::clicked, this, guard([this] { Button9Click(); }));
    connect(Button10, &QPushButton::clicked, this, guard([this] { Button10Click(); }));
    connect(Button12, &QPushButton::clicked, this, guard([this] { Button12Click(); }));
    connect(Button1, &QPushButton::clicked, this, guard([this] { Button1Click(); }));
    connect(Button4, &QPushButton::clicked, this, guard([this] { Button4Click(); }));
    connect(Button5, &QPushButton::clicked, this, guard([this] { Button5Click(); }));
    connect(Button6, &QPushButton::clicked, this, guard([this] { Button6Click(); }));
    connect(Button7, &QPushButton::clicked, this, guard([this] { Button7Click(); }));
    connect(Button8, &QPushButton::clicked, this, guard([this] { Button8Click(); }));
    connect(Button11, &QPushButton::clicked, this, guard([this] { Button11Click(); }));
    connect(Button13, &QPushButton::clicked, this, guard([this] { Button13Click(); }));
    connect(Timer1, &QTimer::timeout, this, guard([this] { Timer1Timer(); }));
}

QRadioButton *TForm14::levelButton(li::Level level) const
{
    for (std::size_t i = 0; i < li::levels().size(); ++i) {
        if (li::levels()[i].level == level)
            return m_levelButtons[i];
    }
    return nullptr;
}

const li::LevelInfo *TForm14::selectedLevel() const
{
    const int id = m_levelGroup->checkedId();
    return id < 0 ? nullptr : &li::levels().at(static_cast<std::size_t>(id));
}

QString TForm14::clockText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm")) + QStringLiteral(" Uhr");
}

void TForm14::FormCreate()
{
    setTabStop(RadioButton12, false);
    transcriptPending = CheckBox1->isChecked() ? 3 : 2;
}

void TForm14::Edit3Change()
{
    zm::Fixed q;
    try {
        q = li::quotient(Edit1->text(), Edit2->text());
    } catch (const zm::ConversionError &) {
        return; // a count that is not (yet) a number: nothing to show
    }
    m_quotient = q;
    // The mapping runs only when the two-decimal text changes.
    zm::ui::setText(Edit3, zm::formatFixed(q, 2));
}

QStringList TForm14::ownBounds() const
{
    if (TForm16 *own = zm::app::forms().form16)
        return own->boundTexts();
    return {};
}

void TForm14::Edit4Change()
{
    // Without the index the teacher types the points: never overwrite them.
    if (!m_indexMode)
        return;
    const li::LevelInfo *level = selectedLevel();
    if (!level)
        return;
    const li::Mapping mapping = li::map(level->level, m_quotient, ownBounds());
    if (mapping.points)
        zm::ui::setText(Edit4, *mapping.points);
    if (mapping.label21)
        Label21->setText(*mapping.label21);
    if (mapping.label24)
        Label24->setText(*mapping.label24);
    zm::Fixed points;
    if (zm::tryParseFixed(Edit4->text(), points))
        zm::ui::setFieldColour(Edit4, points < zm::Fixed::fromRaw(1000) ? LanguageColour : WindowColour);
}

void TForm14::Button14Click()
{
    const bool toIndex = Button14->text() == WithIndexCaption;
    m_indexMode = toIndex;
    GroupBox1->setVisible(toIndex);
    GroupBox6->setVisible(!toIndex);
    for (QWidget *w : std::as_const(m_withoutIndexLabels))
        w->setVisible(!toIndex);
    Image1->setVisible(!toIndex);
    Button14->setText(toIndex ? WithoutIndexCaption : WithIndexCaption);
    zm::ui::setText(Edit1, QString());
    zm::ui::setText(Edit2, QString());
    zm::ui::setText(Edit3, QString());
    zm::ui::setText(Edit4, QString());
    // Colours last, so that they show the new mode: the field the teacher
    // types into is white, the other one grey.
    zm::ui::setFieldColour(Edit1, toIndex ? WindowColour : MenuColour);
    zm::ui::setFieldColour(Edit4, toIndex ? MenuColour : WindowColour);
}

void TForm14::partChange(int index)
{
    const Part &part = m_parts.at(static_cast<std::size_t>(index));
    setTabStop(part.points, true);
    zm::Fixed points;
    zm::Fixed maximum;
    try {
        points = zm::parseFixed(part.points->text());
        maximum = zm::parseFixed(Edit22->text());
    } catch (const zm::ConversionError &) {
        return;
    }
    // 15 × (p / m) in extended precision; a maximum of 0 goes to the report.
    const zm::Fixed value = zm::roundToFixed(
        15.0L * zm::divideExtended(static_cast<long double>(points.raw()), static_cast<long double>(maximum.raw())));
    const bool additive = RadioButton13->isChecked();
    if (!additive) {
        if (part.value->text().isEmpty())
            zm::ui::setText(part.value, QStringLiteral("1"));
        if (points > zm::Fixed::fromInt(15))
            zm::ui::setText(part.points, QString());
        if (part.points->text().isEmpty())
            zm::ui::setText(part.value, QString());
    }
    if (part.points->text().isEmpty())
        zm::ui::beep();
    if (additive)
        zm::ui::setText(part.value, zm::formatShortest(value));
}

void TForm14::Edit12Change()
{
    partChange(0);
}
void TForm14::Edit13Change()
{
    partChange(1);
}
void TForm14::Edit11Change()
{
    partChange(2);
}
void TForm14::Edit14Change()
{
    partChange(3);
}
void TForm14::Edit15Change()
{
    partChange(4);
}
void TForm14::Edit16Change()
{
    partChange(5);
}

void TForm14::setPartMode(bool additive)
{
    setTabStop(additive ? static_cast<QWidget *>(RadioButton13) : RadioButton12, false);
    Label12->setText(additive ? QStringLiteral("entspr. Punktzahl nach 15er-System")
                              : QStringLiteral("Zwischenergebnis der Teilaufgaben"));
    Label25->setText(QStringLiteral(" ? "));
    for (const Part &part : m_parts)
        zm::ui::setText(part.points, QString());
    for (const Part &part : m_parts)
        zm::ui::setText(part.value, QString());
    Edit22->setVisible(additive);
    for (QLabel *note : std::as_const(m_weightedNotes))
        note->setVisible(!additive);
    // In the additive mode the value fields show computed values.
    for (const Part &part : m_parts)
        part.value->setEnabled(!additive);
}

void TForm14::RadioButton12Click()
{
    setPartMode(false);
}

void TForm14::RadioButton13Click()
{
    setPartMode(true);
}

void TForm14::Edit17Change()
{
    // A language text that is not a whole number goes to the report.
    if (zm::parseInt(Edit4->text()) > 15)
        zm::ui::showMessage(QStringLiteral("Ups, da sind mehr als 15 Punkte bei der Schreibrichtigkeit!"));
    if (Edit19->text() == QLatin1String("0"))
        zm::ui::setText(Edit19, QStringLiteral("1"));
}

void TForm14::Button1Click()
{
    if (QWidget *own = zm::app::window(QStringLiteral("Form16"))) {
        own->show();
        own->raise();
        own->activateWindow();
    }
}

void TForm14::Button4Click()
{
    RichEdit1->show();
    RichEdit1->raise();
    Button5->show();
    Button5->raise();
    Button6->show();
    Button6->raise();
}

void TForm14::Button5Click()
{
    // Checked before anything is hidden, so that the view stays usable.
    const std::unique_ptr<QPrinter> printer = zm::print::defaultPrinter();
    if (!printer)
        throw zm::Error(QStringLiteral("Es ist kein Standarddrucker eingerichtet. "
                                       "Die Indexwerte können nicht gedruckt werden"));
    Button5->hide();
    Button6->hide();
    printer->setDocName(windowTitle());
    RichEdit1->print(printer.get());
    RichEdit1->hide();
}

void TForm14::Button6Click()
{
    Button5->hide();
    Button6->hide();
    RichEdit1->hide();
}

void TForm14::Button7Click()
{
    if (QWidget *w = zm::app::window(QStringLiteral("Form12"))) {
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void TForm14::Button8Click()
{
    zm::ui::showMessageLines(helpLines());
}

void TForm14::Button11Click()
{
    zm::ui::showMessageLines(infoLines());
}

void TForm14::Button12Click()
{
    if (CheckBox1->isChecked() && transcriptPending == 1)
        Button9Click();
    close();
}

void TForm14::Button13Click()
{
    if (QWidget *w = zm::app::window(QStringLiteral("Form15"))) {
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void TForm14::Timer1Timer()
{
    statusPanels[2]->setText(clockText(QTime::currentTime()));
}

void TForm14::Button3Click()
{
    // The final grade plugs in here.
}

void TForm14::Label30Click()
{
    // The grade text for Edit21 plugs in here.
}

void TForm14::Button9Click()
{
    // With a pending result (transcriptPending == 1) the transcript window's
    // save plugs in here.
}

void TForm14::Button10Click()
{
    // Showing the transcript window (titled "Ausdruck vom " and today's date) plugs in here.
}

void TForm14::updateButtons()
{
    Button7->setEnabled(zm::app::window(QStringLiteral("Form12")) != nullptr);
    Button13->setEnabled(zm::app::window(QStringLiteral("Form15")) != nullptr);
}

void TForm14::showEvent(QShowEvent *event)
{
    updateButtons();
    QWidget::showEvent(event);
}

bool TForm14::eventFilter(QObject *watched, QEvent *event)
{
    // A click is the left mouse button; the others run nothing.
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == GroupBox11)
            zm::ui::guarded([this] { Edit4Change(); });
        else if (watched == Label30)
            zm::ui::guarded([this] { Label30Click(); });
    }
    return QWidget::eventFilter(watched, event);
}
