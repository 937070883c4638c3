#pragma once

// "Gespeicherte Arbeiten": every stored test, newest first; open one in the
// class-test window or delete it after a question.

#include "classtest/classteststore.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace zm::classtest {

class ArchiveDialog : public QWidget
{
    Q_OBJECT
public:
    explicit ArchiveDialog(QWidget *parent = nullptr);

    // Reads the list again from the store.
    void refresh();

    QListWidget *ArchivListe = nullptr;
    QPushButton *ButtonOeffnen = nullptr;
    QPushButton *ButtonLoeschen = nullptr;
    QPushButton *ButtonSchliessen = nullptr;

private:
    void openSelected();
    void deleteSelected();
    const Summary *selected() const;

    QList<Summary> m_summaries;
};

} // namespace zm::classtest
