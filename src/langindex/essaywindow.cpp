#include "langindex/essaywindow.h"

#include "app/forms.h"
#include "common/clock.h"
#include "common/controls.h"
#include "common/errorreport.h"
#include "common/errors.h"
#include "common/messages.h"
#include "common/widgetstyle.h"
#include "common/windowprint.h"
#include "langindex/essaytexts.h"
#include "langindex/essaywindowlook.h"
#include "langindex/ownthresholds.h"
#include "transcript/transcripthandoff.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QTime>
#include <QTimer>

namespace li = zm::langindex;
using namespace zm::langindex::look;
using li::Field;

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
    buildIndexViewAndStatus();
    bindFields();
    zm::ui::centreOnScreen(this);

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

void TForm14::bindFields()
{
    const auto bind = [this](Field field, QWidget *widget) { m_fields[static_cast<std::size_t>(field)] = widget; };
    bind(Field::Language, Edit4);
    bind(Field::Expression, Edit17);
    bind(Field::LanguageWeight, Edit18);
    bind(Field::ExpressionWeight, Edit19);
    bind(Field::ContentWeight, Edit20);
    bind(Field::Maximum, Edit22);
    bind(Field::FinalScore, Edit21);
    bind(Field::GradeText, Label30);
    bind(Field::Interim, Label25);
    bind(Field::InterimCaption, Label12);
    for (int part = 0; part < li::PartCount; ++part) {
        bind(li::pointsField(part), m_parts.at(static_cast<std::size_t>(part)).points);
        bind(li::valueField(part), m_parts.at(static_cast<std::size_t>(part)).value);
    }
}

QString TForm14::text(Field field) const
{
    QWidget *widget = m_fields.at(static_cast<std::size_t>(field));
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    return static_cast<QLabel *>(widget)->text();
}

void TForm14::setText(Field field, const QString &text)
{
    QWidget *widget = m_fields.at(static_cast<std::size_t>(field));
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        zm::ui::setText(edit, text);
    else
        static_cast<QLabel *>(widget)->setText(text);
}

void TForm14::showMessage(const QString &text)
{
    zm::ui::showMessage(text);
}

void TForm14::beep()
{
    zm::ui::beep();
}

void TForm14::makeTabStop(Field field)
{
    zm::ui::setTabStop(m_fields.at(static_cast<std::size_t>(field)), true);
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
        zm::ui::setTabStop(m_levelButtons.at(static_cast<std::size_t>(id)), true);
        zm::ui::guarded([this] { Edit4Change(); });
    });
    zm::ui::onClicked(Button2, this, [this] { Edit4Change(); });
    GroupBox11->installEventFilter(this);
    Label30->installEventFilter(this);

    zm::ui::onClicked(Button14, this, [this] { Button14Click(); });

    // Which field's change runs which handler is the grade computation's business.
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (auto *edit = qobject_cast<QLineEdit *>(m_fields[i])) {
            const auto field = static_cast<Field>(i);
            connect(edit, &QLineEdit::textChanged, this, guard([this, field] { m_grade.changed(field); }));
        }
    }
    zm::ui::onChecked(RadioButton12, this, [this] { RadioButton12Click(); });
    zm::ui::onChecked(RadioButton13, this, [this] { RadioButton13Click(); });
    zm::ui::onClicked(CheckBox1, this, [this] { FormCreate(); });

    zm::ui::onClicked(Button3, this, [this] { Button3Click(); });
    zm::ui::onClicked(Button9, this, [this] { Button9Click(); });
    zm::ui::onClicked(Button10, this, [this] { Button10Click(); });
    zm::ui::onClicked(Button12, this, [this] { Button12Click(); });
    zm::ui::onClicked(Button1, this, [this] { Button1Click(); });
    zm::ui::onClicked(Button4, this, [this] { Button4Click(); });
    zm::ui::onClicked(Button5, this, [this] { Button5Click(); });
    zm::ui::onClicked(Button6, this, [this] { Button6Click(); });
    zm::ui::onClicked(Button7, this, [this] { Button7Click(); });
    zm::ui::onClicked(Button8, this, [this] { Button8Click(); });
    zm::ui::onClicked(Button11, this, [this] { Button11Click(); });
    zm::ui::onClicked(Button13, this, [this] { Button13Click(); });
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
    zm::ui::setTabStop(RadioButton12, false);
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

void TForm14::Edit12Change()
{
    m_grade.partChange(0);
}
void TForm14::Edit13Change()
{
    m_grade.partChange(1);
}
void TForm14::Edit11Change()
{
    m_grade.partChange(2);
}
void TForm14::Edit14Change()
{
    m_grade.partChange(3);
}
void TForm14::Edit15Change()
{
    m_grade.partChange(4);
}
void TForm14::Edit16Change()
{
    m_grade.partChange(5);
}

void TForm14::setPartMode(bool additive)
{
    zm::ui::setTabStop(additive ? static_cast<QWidget *>(RadioButton13) : RadioButton12, false);
    m_grade.setPartMode(additive);
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
    m_grade.expressionCheck();
}

void TForm14::Button1Click()
{
    if (QWidget *own = zm::app::window(QStringLiteral("Form16")))
        zm::ui::showInFront(own);
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
    // QTextEdit::print says nothing when the job fails; the printer's state tells.
    if (printer->printerState() == QPrinter::Error || printer->printerState() == QPrinter::Aborted)
        throw zm::Error(QStringLiteral("Der Druckauftrag ist fehlgeschlagen."));
}

void TForm14::Button6Click()
{
    Button5->hide();
    Button6->hide();
    RichEdit1->hide();
}

void TForm14::Button7Click()
{
    if (QWidget *w = zm::app::window(QStringLiteral("Form12")))
        zm::ui::showInFront(w);
}

void TForm14::Button8Click()
{
    zm::ui::showMessageLines(li::procedureHints());
}

void TForm14::Button11Click()
{
    zm::ui::showMessageLines(li::indexInfo());
}

void TForm14::Button12Click()
{
    if (CheckBox1->isChecked() && transcriptPending == 1)
        Button9Click();
    close();
}

void TForm14::Button13Click()
{
    if (QWidget *w = zm::app::window(QStringLiteral("Form15")))
        zm::ui::showInFront(w);
}

void TForm14::Timer1Timer()
{
    statusPanels[2]->setText(clockText(zm::clock::now().time()));
}

void TForm14::Button3Click()
{
    // From now on the Tab key leads through the per-student fields only.
    for (QRadioButton *radio : m_levelButtons)
        zm::ui::setTabStop(radio, false);
    for (const Part &part : m_parts) {
        if (part.value->text().isEmpty())
            zm::ui::setTabStop(part.points, false);
    }
    const bool recording = CheckBox1->isChecked();
    if (m_grade.finalGrade(recording, transcriptPending) != li::GradeEnd::Done || !recording)
        return;
    // The name window: its name field is cleared and takes the focus.
    if (QWidget *names = zm::app::window(QStringLiteral("Form18"))) {
        auto *name = names->findChild<QLineEdit *>(QStringLiteral("Edit1"));
        if (name)
            name->clear();
        zm::ui::showInFront(names);
        if (name)
            name->setFocus();
    }
}

QStringList TForm14::resultCells() const
{
    return {Edit1->text(),
            Edit2->text(),
            Edit3->text(),
            Edit4->text(),
            Edit17->text(),
            Label25->text(),
            Edit21->text() + QStringLiteral(" / ") + Label30->text()};
}

void TForm14::Label30Click()
{
    m_grade.gradeText();
}

void TForm14::Button9Click()
{
    if (transcriptPending != 1)
        return;
    if (auto *transcript = dynamic_cast<zm::transcript::TranscriptHandOff *>(zm::app::window(QStringLiteral("Form17"))))
        transcript->saveTranscript();
}

void TForm14::Button10Click()
{
    if (auto *transcript = dynamic_cast<zm::transcript::TranscriptHandOff *>(zm::app::window(QStringLiteral("Form17"))))
        transcript->showTranscript();
}

void TForm14::updateButtons()
{
    const bool transcript = zm::app::window(QStringLiteral("Form17")) != nullptr;
    Button9->setEnabled(transcript);
    Button10->setEnabled(transcript);
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
