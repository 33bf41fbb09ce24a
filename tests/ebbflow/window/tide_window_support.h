// What the tide window tests share: the window on Debian's data at a fixed
// present, keys typed into its fields, its table as rows of texts, and the
// command line asked the same.
#pragma once

#include "ebbflow/tables/command_line.h"
#include "ebbflow/window/tide_form.h"
#include "platform/widgets/date_picker.h"
#include "qt_test_support.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>

#include <memory>

namespace tidetest {

using namespace testsupport;

inline const ebbflow::TideDatabase& Db()
{
    static const ebbflow::TideDatabase db = ebbflow::TideDatabase::Open();
    return db;
}

// 2024-03-10T07:00:00Z: 03:00 EDT in New York, the hour the clocks went
// forward; 21:00 HST of the 9th in Hawaii.
constexpr double Now = 1710054000;

inline std::unique_ptr<ebbflow::TTideForm> Window(ebbflow::TTideForm::Mode mode)
{
    auto w = std::make_unique<ebbflow::TTideForm>(mode, Db(), [] { return Now; });
    ShowActive(*w);
    return w;
}

// Replaces what `field` holds with `text` and leaves it with Tab. The
// offscreen platform leaves a list of completions that was shown the
// active window, which no window system does: the field's window is made
// active again.
inline void TypeAndLeave(QLineEdit* field, const QString& text)
{
    testsupport::TypeAndLeave(field, text);
    QApplication::setActiveWindow(field->window());
    QApplication::processEvents();
}

// Types `date` into a date field section by section, in the order it shows
// them, and leaves it.
inline void TypeDate(platform::DatePicker* field, QDate date)
{
    Enter(field);
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClicks(field, InShownOrder(field, QString::number(date.day()), QString::number(date.month()),
                                         QString::number(date.year()))
                                .join('/'));
    Tab(field);
}

// Picks the item of a pull-down list as a user does: typing its first
// letters, or stepping down `steps` items.
inline void TypeInto(QWidget* list, const QString& letters)
{
    Enter(list);
    QTest::keyClicks(list, letters);
    QApplication::processEvents();
}

// The table's rows, each its cells that hold a text, joined by '|'.
inline QStringList Rows(const QTableWidget* table)
{
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            if (const QTableWidgetItem* item = table->item(r, c); item && !item->text().isEmpty())
                cells << item->text();
        rows << cells.join('|');
    }
    return rows;
}

// The command line's output for `words`, on the same data and present.
inline std::string CommandLine(const std::vector<std::string>& words)
{
    std::string out, err;
    const ebbflow::CommandLineWorld world{[]() -> const ebbflow::TideDatabase& { return Db(); }, [] { return Now; }};
    EXPECT_EQ(ebbflow::RunCommandLine(words, out, err, world), 0) << err;
    return out;
}

// Its event lines, as the table's rows: the columns it lines up.
inline QStringList CommandLineRows(const std::string& out)
{
    QStringList rows;
    bool table = false;
    for (const QString& line : QString::fromStdString(out).split('\n')) {
        if (line.startsWith(QLatin1String("Tide data ")))
            break;
        if (table)
            rows << line.split(QRegularExpression(QStringLiteral(" {2,}"))).join('|');
        table = table || line.startsWith(QLatin1String("Date  "));
    }
    return rows;
}

// The value of the command line's "Name: value" line.
inline QString CommandLineLine(const std::string& out, const QString& name)
{
    for (const QString& line : QString::fromStdString(out).split('\n'))
        if (line.startsWith(name + QStringLiteral(": ")))
            return line.mid(name.size() + 2);
    return {};
}

// Answers the file dialogs: types `fileName` into the dialog's name field
// and presses Return.
using FileAnswer = DialogAnswers;

} // namespace tidetest
