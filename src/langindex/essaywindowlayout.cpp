// The essay window's controls and where they stand.

#include "langindex/essaywindow.h"

#include "common/controls.h"
#include "common/widgetstyle.h"
#include "langindex/essaywindowlook.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QValidator>

namespace li = zm::langindex;
using namespace zm::langindex::look;
using zm::ui::makeButton;
using zm::ui::makeEdit;
using zm::ui::makeLabel;
using zm::ui::setBold;
using zm::ui::setTabStop;

namespace {

QLabel *colouredLabel(QWidget *parent, const QString &text, const QRect &geometry, const QColor &background)
{
    QLabel *label = makeLabel(parent, QString(), text, geometry);
    zm::ui::setBackground(label, background);
    label->setContentsMargins(3, 0, 3, 0);
    return label;
}

// An edit field that the Tab key passes by; the mouse still reaches it.
QLineEdit *mouseOnlyEdit(QWidget *parent, const QString &name, const QRect &geometry)
{
    QLineEdit *edit = makeEdit(parent, name, geometry);
    setTabStop(edit, false);
    return edit;
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
    QPixmap pixmap = zm::ui::screenPixmap(size);
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

} // namespace

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

    makeLabel(GroupBox1, QString(), QStringLiteral("Anzahl der Wörter:"), QRect(10, editCount.y(), 148, 22));
    makeLabel(GroupBox1, QString(), QStringLiteral("Anzahl der Fehler:"), QRect(10, 48, 148, 22));
    Edit2 = makeEdit(GroupBox1, QStringLiteral("Edit2"), QRect(editCount.x(), 48, 62, 22));
    colouredLabel(GroupBox1, QStringLiteral("Fehlerindex "), QRect(232, 20, 90, 22), LanguageColour);
    makeLabel(GroupBox1, QString(), QStringLiteral("Quotient:"), QRect(232, 48, 72, 22));
    Edit3 = mouseOnlyEdit(GroupBox1, QStringLiteral("Edit3"), QRect(editPoints.x(), 48, 50, 22));
    makeLabel(GroupBox1, QString(), QStringLiteral("und somit"), QRect(232, editPoints.y(), 72, 22));
    makeLabel(GroupBox1, QString(), QStringLiteral("Punkte"), QRect(editPoints.x() + 54, editPoints.y(), 48, 22));
    Label21 = makeLabel(GroupBox1, QStringLiteral("Label21"), QString(), QRect(10, 80, 116, 20));
    setBold(Label21);
    Label24 = makeLabel(GroupBox1, QStringLiteral("Label24"), QString(), QRect(130, 80, 98, 20));
    setBold(Label24);

    buildLevels();

    Button1 = makeButton(GroupBox1, QStringLiteral("Button1"), QStringLiteral("eigene Werte eingeben"),
                         QRect(8, 452, 196, 28));
    Button7 = makeButton(GroupBox1, QStringLiteral("Button7"), QStringLiteral("Diktat"), QRect(208, 452, 96, 28));
    Button11 = makeButton(GroupBox1, QStringLiteral("Button11"), QStringLiteral("Info"), QRect(308, 452, 96, 28));
    Button11->setToolTip(QStringLiteral("Wichtig!"));
    Button4 =
        makeButton(GroupBox1, QStringLiteral("Button4"), QStringLiteral("Indexwerte ansehen"), QRect(8, 486, 196, 28));
    Button2 = zm::ui::makeHiddenButton(GroupBox1, QStringLiteral("Button2"));
    GroupBox1->hide();

    QLabel *wordCount = makeLabel(GroupBox6, QString(), QStringLiteral("Wortzahl, falls gewünscht:"),
                                  QRect(10, editCount.y() - 8, 146, 38));
    wordCount->setWordWrap(true);
    m_withoutIndexLabels << wordCount;
    m_withoutIndexLabels << colouredLabel(GroupBox6, QStringLiteral("Sprachrichtigkeit, max 15 P.:"),
                                          QRect(96, editPoints.y(), 204, 22), LanguageColour);
    Image1 = makeLabel(GroupBox6, QStringLiteral("Image1"), QString(), QRect(45, 160, 320, 220));
    Image1->setPixmap(rulePicture(Image1->size()));
    Image1->setToolTip(QStringLiteral("Pi mal Daumen"));

    Edit1 = mouseOnlyEdit(this, QStringLiteral("Edit1"), QRect(leftArea.topLeft() + editCount, QSize(62, 22)));
    Edit4 = mouseOnlyEdit(this, QStringLiteral("Edit4"), QRect(leftArea.topLeft() + editPoints, QSize(50, 22)));
    zm::ui::setFieldColour(Edit1, MenuColour);
    zm::ui::setFieldColour(Edit4, WindowColour);

    // Top middle: final score and grade.
    makeLabel(this, QString(), QStringLiteral("Endnote:"), QRect(426, 4, 80, 22));
    Edit21 = mouseOnlyEdit(this, QStringLiteral("Edit21"), QRect(426, 26, 92, 40));
    setBold(Edit21, 16);
    Label30 = makeLabel(this, QStringLiteral("Label30"), QString(), QRect(526, 26, 80, 40));
    setBold(Label30, 16);
}

void TForm14::buildLevels()
{
    makeLabel(GroupBox1, QString(), QStringLiteral("Englisch, nach den"), QRect(10, 108, 194, 20));
    makeLabel(GroupBox1, QString(), QStringLiteral("Französisch, Werte waren"), QRect(210, 108, 196, 20));
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
    Button3 = makeButton(this, QStringLiteral("Button3"), QStringLiteral("Endnote berechnen"), QRect(x, 74, w, 30));
    zm::ui::setPaletteColour(Button3, QPalette::ButtonText, LanguageColour);
    Button3->setCursor(Qt::PointingHandCursor);
    CheckBox1 = zm::ui::makeCheckBox(this, QStringLiteral("CheckBox1"), QStringLiteral("Ergebnisse mitschreiben"),
                                     QRect(x, 108, w, 24));
    CheckBox1->setChecked(true);
    Button14 = makeButton(this, QStringLiteral("Button14"), WithIndexCaption, QRect(x, 136, w, 28));
    Button9 = makeButton(this, QStringLiteral("Button9"), QStringLiteral("Mitschrift speichern"), QRect(x, 168, w, 28));
    Button9->setToolTip(QStringLiteral("Dieser Schalter reagiert nur, wenn ein (neuer) Eintrag vorliegt!"));
    Button10 = makeButton(this, QStringLiteral("Button10"), QStringLiteral("ansehen/öffnen"), QRect(x, 200, w, 28));
    Button8 =
        makeButton(this, QStringLiteral("Button8"), QStringLiteral("Hinweise zum Vorgehen"), QRect(x, 232, w, 28));
    Button13 = makeButton(this, QStringLiteral("Button13"), QStringLiteral("Hilfe zum Programm"), QRect(x, 264, w, 28));
    Button12 = makeButton(this, QStringLiteral("Button12"), QStringLiteral("Ende"), QRect(x, 296, w, 28));
    zm::ui::setPaletteColour(Button12, QPalette::ButtonText, LanguageColour);
    setBold(Button12);

    // Buttons of windows created later are enabled once those exist.
    Button9->setEnabled(false);
    Button10->setEnabled(false);
    Button7->setEnabled(false);
    Button13->setEnabled(false);

    auto *expression = new QGroupBox(this);
    expression->setGeometry(x, 336, w, 112);
    colouredLabel(expression, QStringLiteral("Ausdrucksvermögen"), QRect(8, 10, w - 16, 22), ExpressionColour);
    makeLabel(expression, QString(), QStringLiteral("Punktzahl von"), QRect(8, 40, 100, 20));
    makeLabel(expression, QString(), QStringLiteral("0 bis 15:"), QRect(8, 62, 80, 20));
    Edit17 = makeEdit(expression, QStringLiteral("Edit17"), QRect(100, 60, 60, 26));
}

void TForm14::buildContent()
{
    auto *content = new QGroupBox(this);
    content->setGeometry(614, 8, 378, 524);
    colouredLabel(content, QStringLiteral("Inhalt / Teilaufgaben:"), QRect(8, 8, 170, 22), InactiveCaptionColour);

    RadioButton12 = new QRadioButton(QStringLiteral("jeder Teil erhält max. 15 Punkte."), content);
    RadioButton12->setObjectName(QStringLiteral("RadioButton12"));
    RadioButton12->setGeometry(8, 36, 300, 22);
    RadioButton12->setChecked(true);
    RadioButton13 = new QRadioButton(QStringLiteral("Additiv, Punkte werden addiert zu max. ?"), content);
    RadioButton13->setObjectName(QStringLiteral("RadioButton13"));
    RadioButton13->setGeometry(8, 60, 290, 22);
    setTabStop(RadioButton13, false);
    Edit22 = makeEdit(content, QStringLiteral("Edit22"), QRect(302, 60, 62, 22), QStringLiteral("100"));
    Edit22->hide();

    m_weightedNotes << makeLabel(content, QString(), QStringLiteral("Jede Teilaufgabe er-"), QRect(8, 90, 200, 18));
    m_weightedNotes << makeLabel(content, QString(), QStringLiteral("hält 0 bis 15 Punkte!"), QRect(8, 108, 200, 18));
    m_weightedNotes << makeLabel(content, QString(), QStringLiteral("%-Anteil oder"), QRect(264, 86, 112, 17));
    m_weightedNotes << makeLabel(content, QString(), QStringLiteral("Gewichtung der"), QRect(264, 103, 112, 17));
    m_weightedNotes << makeLabel(content, QString(), QStringLiteral("Teilaufgaben:"), QRect(264, 120, 112, 17));

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
        makeLabel(box, QString(), QStringLiteral("erzielte Punktzahl:"), QRect(10, 22, 140, 22));
        m_parts[i].points = makeEdit(box, QStringLiteral("Edit%1").arg(Fields[i].first), QRect(170, 20, 66, 24));
        m_parts[i].value =
            mouseOnlyEdit(content, QStringLiteral("Edit%1").arg(Fields[i].second), QRect(268, y + 20, 66, 24));
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

    Label12 = makeLabel(content, QStringLiteral("Label12"), QStringLiteral("Zwischenergebnis der Teilaufgaben"),
                        QRect(8, 486, 246, 24));
    Label25 = makeLabel(content, QStringLiteral("Label25"), QStringLiteral(" ?  "), QRect(256, 486, 56, 24));
    Label25->setToolTip(QStringLiteral("Werden mit der Endnote berechnet und angezeigt!"));
    setBold(Label25);
    makeLabel(content, QString(), QStringLiteral("Punkte."), QRect(314, 486, 60, 24));
}

void TForm14::buildBottom()
{
    GroupBox11 = new QGroupBox(QStringLiteral("Gewichtung der Teibereiche:"), this);
    GroupBox11->setObjectName(QStringLiteral("GroupBox11"));
    GroupBox11->setGeometry(8, 540, 984, 62);
    // Each weight below the area it weights; its colour names the area.
    Edit18 = mouseOnlyEdit(GroupBox11, QStringLiteral("Edit18"), QRect(164, 28, 50, 24));
    Edit19 = mouseOnlyEdit(GroupBox11, QStringLiteral("Edit19"), QRect(520, 28, 50, 24));
    Edit20 = mouseOnlyEdit(GroupBox11, QStringLiteral("Edit20"), QRect(706, 28, 50, 24));
    Edit18->setText(QStringLiteral("1"));
    Edit19->setText(QStringLiteral("1"));
    Edit20->setText(QStringLiteral("1"));
    zm::ui::setFieldColour(Edit18, LanguageColour);
    zm::ui::setFieldColour(Edit19, ExpressionColour);
    zm::ui::setFieldColour(Edit20, InactiveCaptionColour);
    Edit19->setValidator(new CaseValidator(true, Edit19));
    Edit20->setValidator(new CaseValidator(false, Edit20));
}

void TForm14::buildIndexViewAndStatus()
{
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(8, 8, ClientWidth - 16, ClientHeight - StatusHeight - 58);
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setPlainText(li::indexText());
    RichEdit1->hide();
    const int viewButtonsTop = ClientHeight - StatusHeight - 44;
    Button5 = makeButton(this, QStringLiteral("Button5"), QStringLiteral("Drucken"), QRect(8, viewButtonsTop, 160, 30));
    Button5->setToolTip(QStringLiteral("Druckt alle Indexwerte, ca. 6 Seiten ! "));
    Button5->hide();
    Button6 = makeButton(this, QStringLiteral("Button6"), QStringLiteral("Werte wieder ausblenden"),
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
}
