#include "classtest/archivedialog.h"

#include "classtest/classtestwindows.h"
#include "common/controls.h"
#include "common/messages.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zm::classtest {

ArchiveDialog::ArchiveDialog(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Archiv"));
    setWindowTitle(QStringLiteral("Gespeicherte Arbeiten"));
    setAccessibleName(QStringLiteral("Gespeicherte Arbeiten"));
    ArchivListe = new QListWidget(this);
    ArchivListe->setObjectName(QStringLiteral("ArchivListe"));
    ArchivListe->setAccessibleName(QStringLiteral("Liste der gespeicherten Arbeiten"));
    const auto button = [this](const char *name, const QString &caption, const QString &accessible) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(accessible);
        return b;
    };
    ButtonOeffnen = button("ButtonOeffnen", QStringLiteral("Ö&ffnen"), QStringLiteral("Öffnen"));
    ButtonLoeschen = button("ButtonLoeschen", QStringLiteral("&Löschen"), QStringLiteral("Löschen"));
    ButtonSchliessen = button("ButtonSchliessen", QStringLiteral("&Schließen"), QStringLiteral("Schließen"));
    ButtonOeffnen->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ButtonOeffnen);
    buttons->addWidget(ButtonLoeschen);
    buttons->addStretch();
    buttons->addWidget(ButtonSchliessen);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ArchivListe, 1);
    layout->addLayout(buttons);
    resize(QSize(fontMetrics().averageCharWidth() * 70, fontMetrics().height() * 20).expandedTo(sizeHint()));

    zm::ui::onClicked(ButtonOeffnen, this, [this] { openSelected(); });
    zm::ui::onClicked(ButtonLoeschen, this, [this] { deleteSelected(); });
    zm::ui::onClicked(ButtonSchliessen, this, [this] { close(); });
    connect(ArchivListe, &QListWidget::itemActivated, this, zm::ui::guard([this] { openSelected(); }));
}

void ArchiveDialog::refresh()
{
    ClassTestStore *s = store();
    m_summaries = s ? s->summaries() : QList<Summary>();
    ArchivListe->clear();
    for (const Summary &summary : m_summaries)
        ArchivListe->addItem(summaryText(summary));
    if (!m_summaries.isEmpty())
        ArchivListe->setCurrentRow(0);
    ButtonOeffnen->setEnabled(!m_summaries.isEmpty());
    ButtonLoeschen->setEnabled(!m_summaries.isEmpty());
}

const Summary *ArchiveDialog::selected() const
{
    const int row = ArchivListe->currentRow();
    return row >= 0 && row < m_summaries.size() ? &m_summaries.at(row) : nullptr;
}

void ArchiveDialog::openSelected()
{
    if (const Summary *summary = selected())
        openStored(summary->id);
}

void ArchiveDialog::deleteSelected()
{
    ClassTestStore *s = store();
    if (!selected() || !s)
        return;
    // The question names the count as stored now, not as listed when the dialog opened.
    const qint64 chosen = selected()->id;
    refresh();
    const Summary *summary = nullptr;
    for (int row = 0; row < m_summaries.size(); ++row) {
        if (m_summaries.at(row).id == chosen) {
            ArchivListe->setCurrentRow(row);
            summary = &m_summaries.at(row);
        }
    }
    if (!summary)
        return;
    const QString question =
        QStringLiteral("Die Arbeit „%1“ mit %2 Ergebnissen löschen?").arg(summary->title).arg(summary->results);
    if (!zm::ui::askYesNo(question))
        return;
    const qint64 id = summary->id;
    s->remove(id);
    forgetStored(id);
    refresh();
}

} // namespace zm::classtest
