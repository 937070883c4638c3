#pragma once

// "eigene Werte": the teacher's own points ladder for the error index. Fifteen
// quotient bounds, one per points value, kept in "ewert.ini" in the data
// folder. The essay window reads the field texts at every mapping, so a
// changed field counts at once, saved or not.

#include <QStringList>
#include <QWidget>

#include <array>

class QEvent;
class QLineEdit;
class QPushButton;

class TForm16 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int FieldCount = 15;
    static constexpr const char *FileName = "ewert.ini";

    explicit TForm16(QWidget *parent = nullptr);
    ~TForm16() override;

    // The sixteen bound texts of the "eigene Werte" ladder: the hidden bound
    // of 15 points first, then Edit1 (14 points) … Edit15 (0 points).
    QStringList boundTexts() const;

    // Edit1 … Edit15 (index 0 … 14).
    QLineEdit *field(int index) const { return m_fields.at(static_cast<std::size_t>(index)); }

    // Title by the file's existence, then the file's fifteen lines.
    void FormCreate();
    // Save the fifteen texts, then let the essay window map again.
    void Button1Click();
    // Delete the file and restart the program with the defaults.
    void Button2Click();
    // Mark Edit1 … Edit15 as edited (they run when the field gets the focus).
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void Button13Click();
    void Button14Click();
    void Button15Click();
    void Button16Click();
    void Button17Click();

    QPushButton *Button1 = nullptr; // "eigene Werte speichern."
    QPushButton *Button2 = nullptr; // "Vorgabewerte wiederherstellen"
    QLineEdit *Edit16 = nullptr;    // hidden bound of 15 points, always "0,0"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void markField(int index);

    std::array<QLineEdit *, FieldCount> m_fields{};
};
