#include "common/textfit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <cmath>

namespace zm::ui {

namespace {

constexpr double SmallestShare = 0.75;

int labelRoom(const QLabel *label)
{
    int indent = label->indent();
    if (indent < 0) // the label's own default: half an "x" beside a frame
        indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    return label->contentsRect().width() - 2 * label->margin() - indent;
}

int groupTitleRoom(const QGroupBox *group)
{
    QStyleOptionGroupBox opt;
    opt.initFrom(group);
    opt.text = group->title();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    opt.textAlignment = group->alignment();
    const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, group);
    return group->width() - label.left();
}

int buttonRoom(const QAbstractButton *button)
{
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (!qobject_cast<const QPushButton *>(button))
        return -1;
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.text = button->text();
    return button->style()->subElementRect(contents, &opt, button).width();
}

// The text as shown: a mnemonic's "&" is not drawn, "&&" is one "&".
QString shownText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

} // namespace

TextRoom textRoom(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        const QString text = label->text();
        if (label->wordWrap() || label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
            return {};
        // A label marks its buddy's mnemonic; without a buddy it shows every "&".
        return {label->buddy() ? shownText(text) : text, labelRoom(label)};
    }
    if (const auto *group = qobject_cast<const QGroupBox *>(control))
        return {shownText(group->title()), groupTitleRoom(group)};
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return {shownText(button->text()), buttonRoom(button)};
    return {};
}

int textWidth(const QFontMetrics &metrics, const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    int widest = 0;
    for (const QString &line : text.split(lineBreak))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QFont fittingFont(const QFont &font, const QString &text, int room)
{
    QFont f = font;
    const bool points = font.pointSizeF() > 0;
    const double size = points ? font.pointSizeF() : font.pixelSize();
    // Half points, or whole pixels for a font given in pixels.
    const double step = points ? 0.5 : 1.0;
    for (double s = size; s >= size * SmallestShare; s -= step) {
        if (points)
            f.setPointSizeF(s);
        else
            f.setPixelSize(static_cast<int>(std::lround(s)));
        if (textWidth(QFontMetrics(f), text) <= room)
            return f;
    }
    return f;
}

void shrinkToFit(QWidget *control)
{
    const TextRoom r = textRoom(control);
    if (r.room < 0 || r.text.isEmpty() || textWidth(control->fontMetrics(), r.text) <= r.room)
        return;
    control->setFont(fittingFont(control->font(), r.text, r.room));
}

} // namespace zm::ui
