#pragma once

#include "scales/resultstrip.h"

// The result strip of the own grading key: one column per band the template
// shows (caption, threshold, minimum score), titled with the template and
// the maximum score ("Noten mit Tendenz, 40 Punkte").
class OwnKeyTable : public zm::scales::ResultStrip
{
    Q_OBJECT
public:
    explicit OwnKeyTable(QWidget *parent = nullptr);
    ~OwnKeyTable() override;

protected:
    void fill() override;
};
