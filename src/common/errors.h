#pragma once

// The errors the program raises. Each carries the German text that the general
// error report shows; handlers catch ConversionError where a non-number is
// expected and let everything else reach the report.

#include <QString>

#include <exception>
#include <string>

namespace zm {

class Error : public std::exception
{
public:
    explicit Error(QString text)
        : m_text(std::move(text))
        , m_utf8(m_text.toStdString())
    {
    }
    const QString &text() const { return m_text; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_text;
    std::string m_utf8;
};

// A text that is not a number ("'abc' ist kein gültiger Gleitkommawert").
class ConversionError : public Error
{
public:
    using Error::Error;
};

// Invalid floating-point operation or division by zero.
class MathError : public Error
{
public:
    using Error::Error;
    static MathError invalidOperation() { return MathError(QStringLiteral("Ungültige Gleitkommaoperation")); }
    static MathError divisionByZero() { return MathError(QStringLiteral("Gleitkommadivision durch Null")); }
};

// A file could not be created, written or read ("E/A-Fehler 5").
class IoError : public Error
{
public:
    // `detail` (the file and the cause) follows the number on lines of its own.
    explicit IoError(int code, const QString &detail = QString())
        : Error(QStringLiteral("E/A-Fehler %1").arg(code) + (detail.isEmpty() ? QString() : QLatin1Char('\n') + detail))
        , m_code(code)
    {
    }
    int code() const { return m_code; }

private:
    int m_code;
};

// An operating-system call failed ("Win32-Fehler. Code: 203.\n…").
class SystemError : public Error
{
public:
    SystemError(int code, const QString &systemText)
        : Error(QStringLiteral("Win32-Fehler. Code: %1.\n%2").arg(code).arg(systemText))
        , m_code(code)
    {
    }
    int code() const { return m_code; }

private:
    int m_code;
};

} // namespace zm
