// The datum-transformation window, driven with real keys: datums picked
// from the lists or typed by code and name, a position typed as the
// dead-reckoning start is, the command line's texts shown; Strict, Swap
// and Print by their keys; names for a screen reader; a dark scheme.
#include "datumshift/core/command_line.h"
#include "datumshift/window/datum_shift_form.h"

#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "platform/widgets/radio_group.h"
#include "printed_page.h"
#include "qt_test_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

using namespace testsupport;

// Types `text` over what the datum list's edit line holds and leaves it
// with Tab, as a user does.
void TypeDatum(datumshift::DatumList& list, const QString& text)
{
    if (QApplication::focusWidget() != list.Box)
        Enter(list.Box); // entered with Tab: the line's text is selected
    QTest::keyClicks(list.Box, text);
    Tab(list.Box);
}

// Steps through the list with the arrow keys to the item that starts with `name`.
void PickDatum(datumshift::DatumList& list, const QString& name)
{
    Enter(list.Box);
    const int wanted = list.Box->findText(name + QStringLiteral(" ("), Qt::MatchStartsWith);
    ASSERT_GE(wanted, 0) << name.toStdString();
    while (list.Box->currentIndex() != wanted)
        QTest::keyClick(list.Box, list.Box->currentIndex() > wanted ? Qt::Key_Up : Qt::Key_Down);
    Tab(list.Box);
}

// A question asked with the arrows and typing: the From datum picked, a
// northern position typed, its longitude's letter, the To datum picked.
void Ask(datumshift::TDatumShiftForm& form, const QString& from, const QString& lat, const QString& lon,
         const QString& eorw, const QString& to)
{
    PickDatum(form.FromDatum, from);
    TypePosition(form.Position, lat, {}, lon, eorw);
    PickDatum(form.ToDatum, to);
}

// What the window shows, as the command line prints it: "Name: value"
// lines, those without a value left out.
QString Shown(const datumshift::TDatumShiftForm& form)
{
    QString shown;
    for (const QLabel* result : form.Results) {
        EXPECT_EQ(result->accessibleDescription(), result->text()) << result->accessibleName().toStdString();
        if (!result->text().isEmpty())
            shown += result->accessibleName() + QStringLiteral(": ") + result->text() + QLatin1Char('\n');
    }
    return shown;
}

QString CommandLine(const std::vector<std::string>& words)
{
    std::string out, err;
    EXPECT_EQ(datumshift::RunCommandLine(words, out, err), 0) << err;
    return QString::fromStdString(out);
}

TEST(DatumShiftForm, TypedPositionsShowTheCommandLinesTexts)
{
    ErrorRecorder errors;
    const struct {
        const char* from;  // typed into the list's edit line, or picked ("<" name) with the arrows
        const char *lat, *nors, *lon, *eorw; // DMS.sss, the window's first format
        const char* to;
        const char *cliFrom, *cliTo, *cliPosition;
        const char* datumShown; // the From list afterwards
    } cases[] = {
        {"<OSGB36", "502155200", "N", "0040834000", "W", "WGS 84", "OSGB36", "WGS 84",
         "50\xC2\xB0" "21'55\"200 N 004\xC2\xB0" "08'34\"000 W", "OSGB36 (EPSG:4277)"},
        {"4230", "573000000", "N", "0015800000", "E", "epsg:4326", "EPSG:4230", "EPSG:4326",
         "57\xC2\xB0" "30'00\"000 N 001\xC2\xB0" "58'00\"000 E",
         "ED50 (EPSG:4230)"},
        {"OSGB 1936", "500000000", "N", "0030000000", "W", "ED50", "OSGB36", "ED50", "50 -3", "OSGB36 (EPSG:4277)"},
        {"Tokyo (epsg:4301)", "352700000", "N", "1394500000", "E", "<WGS 84", "Tokyo", "WGS 84", "35.45 139.75",
         "Tokyo (EPSG:4301)"},
    };
    for (const auto& c : cases) {
        datumshift::TDatumShiftForm form;
        ShowActive(form);
        EXPECT_EQ(QApplication::focusWidget(), form.FromDatum.Box); // the question starts with the datum
        const auto choose = [](datumshift::DatumList& list, const char* datum) {
            if (*datum == '<')
                PickDatum(list, QString::fromUtf8(datum + 1));
            else
                TypeDatum(list, QString::fromUtf8(datum));
        };
        choose(form.FromDatum, c.from);
        EXPECT_EQ(QApplication::focusWidget(), form.Position.Lat) << c.from;
        TypePosition(form.Position, QString::fromLatin1(c.lat), QString::fromLatin1(c.nors), QString::fromLatin1(c.lon), QString::fromLatin1(c.eorw));
        EXPECT_EQ(QApplication::focusWidget(), form.ToDatum.Box) << c.from;
        choose(form.ToDatum, c.to);

        EXPECT_EQ(form.FromDatum.Text(), QString::fromUtf8(c.datumShown));
        EXPECT_EQ(Shown(form), CommandLine({"--from", c.cliFrom, "--to", c.cliTo, c.cliPosition})) << c.from;
        EXPECT_EQ(form.StatusMessage->text(), QString()) << c.from;
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

TEST(DatumShiftForm, StrictSwapAndTypedDatumsByTheirKeys)
{
    ErrorRecorder errors;
    datumshift::TDatumShiftForm form;
    ShowActive(form);
    Ask(form, QStringLiteral("OSGB36"), QStringLiteral("502155200"), QStringLiteral("0040834000"), QStringLiteral("W"),
        QStringLiteral("WGS 84"));
    const QString fallback = Shown(form);
    EXPECT_TRUE(fallback.contains(QStringLiteral("Note: OSGB36 to WGS 84 (6) (EPSG:1314) is used in place of OSGB36 to "
                                                 "WGS 84 (9) (EPSG:7710), which needs the grid ")))
        << fallback.toStdString();

    // Strict (Alt+S) refuses the fallback: no figures, the reason below.
    AccessKey(Qt::Key_S);
    EXPECT_TRUE(form.StrictBox->isChecked());
    EXPECT_EQ(Shown(form), QString());
    EXPECT_TRUE(form.StatusMessage->text().startsWith(
        QStringLiteral("OSGB36 to WGS 84 (9) (EPSG:7710), the best transformation from OSGB36 to WGS 84 here")))
        << form.StatusMessage->text().toStdString();
    AccessKey(Qt::Key_S);
    EXPECT_EQ(Shown(form), fallback);
    EXPECT_EQ(form.StatusMessage->text(), QString());

    // Ctrl+W turns the question round: the result is the position on WGS 84,
    // and moved back to OSGB36 it lands where it started.
    // The result at full precision, as the window holds it.
    std::string json, err;
    datumshift::RunCommandLine({"--json", "--from", "OSGB36", "--to", "WGS 84", "50\xC2\xB0" "21'55\"200 N 004\xC2\xB0" "08'34\"000 W"},
                               json, err);
    const auto member = [&json](const std::string& key) {
        const auto at = json.find("\"" + key + "\": ") + key.size() + 4;
        return json.substr(at, json.find(',', at) - at);
    };
    const std::string there = member("latitude_deg") + " " + member("longitude_deg");
    const QString thereLatitude = form.Results[0]->text();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(form.FromDatum.Text(), QStringLiteral("WGS 84 (EPSG:4326)"));
    EXPECT_EQ(form.ToDatum.Text(), QStringLiteral("OSGB36 (EPSG:4277)"));
    EXPECT_EQ(QString::fromLatin1(form.Position.Lat->Text()) + QStringLiteral(" N"), thereLatitude);
    EXPECT_NEAR(form.Results[2]->text().toDouble(), 50.36533333, 1.5e-8); // 50°21'55"200 N, within a millimetre
    EXPECT_NEAR(form.Results[3]->text().toDouble(), -4.14277778, 1.5e-8); // 004°08'34"000 W
    EXPECT_EQ(Shown(form), CommandLine({"--from", "WGS 84", "--to", "OSGB36", there}));
    // The button (Alt+W) turns it back.
    AccessKey(Qt::Key_W);
    EXPECT_EQ(form.FromDatum.Text(), QStringLiteral("OSGB36 (EPSG:4277)"));
    EXPECT_NEAR(form.Position.Latitude(), 50.36533333, 1.5e-8); // back within a millimetre

    // A datum the database does not give keeps the list, as a refused
    // position keeps its field; Escape brings back the datum held.
    const QString results = Shown(form);
    TypeDatum(form.ToDatum, QStringLiteral("Atlantis"));
    EXPECT_EQ(form.StatusMessage->text(),
              QStringLiteral("No geographic coordinate reference system of the EPSG database is named 'Atlantis'"));
    EXPECT_EQ(QApplication::focusWidget(), form.ToDatum.Box);
    EXPECT_EQ(form.ToDatum.Line->selectedText(), QStringLiteral("Atlantis"));
    QTest::keyClick(form.ToDatum.Box, Qt::Key_Escape);
    EXPECT_EQ(form.ToDatum.Line->text(), QStringLiteral("WGS 84 (EPSG:4326)"));
    EXPECT_EQ(form.StatusMessage->text(), QString());
    EXPECT_EQ(Shown(form), results);

    // Any geographic CRS by code joins the list once.
    const int offered = form.ToDatum.Box->count();
    TypeDatum(form.ToDatum, QStringLiteral("4289"));
    TypeDatum(form.ToDatum, QStringLiteral("EPSG:4289"));
    EXPECT_EQ(form.ToDatum.Box->count(), offered + 1);
    EXPECT_EQ(form.ToDatum.Text(), QStringLiteral("Amersfoort (EPSG:4289)"));
    EXPECT_EQ(form.FromDatum.Box->count(), offered);
    EXPECT_TRUE(form.Results[6]->text().endsWith(QStringLiteral("from OSGB36 to Amersfoort")))
        << form.Results[6]->text().toStdString();

    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

TEST(DatumShiftForm, NamedReadableAndPrintedOnOnePage)
{
    ErrorRecorder errors;
    datumshift::TDatumShiftForm form;
    ShowActive(form);
    Ask(form, QStringLiteral("NAD27"), QStringLiteral("404121120"), QStringLiteral("0740240200"), QStringLiteral("W"),
        QStringLiteral("WGS 84"));

    const auto names = AccessibleNames(&form);
    const auto heard = [&names](const QObject* o) { return names.count(o) ? names.at(o) : QStringLiteral("(unheard)"); };
    EXPECT_EQ(heard(form.FromDatum.Box), QStringLiteral("From datum"));
    EXPECT_EQ(heard(form.ToDatum.Box), QStringLiteral("To datum"));
    EXPECT_EQ(heard(form.Position.Lat), QStringLiteral("From latitude"));
    EXPECT_EQ(heard(form.StrictBox), QStringLiteral("Strict"));
    EXPECT_EQ(heard(form.SwapButton), QStringLiteral("Swap"));
    for (const QLabel* result : form.Results) {
        EXPECT_FALSE(result->accessibleName().isEmpty());
        EXPECT_EQ(heard(result), result->accessibleName());
    }
    {
        DarkDesktop dark;
        ExpectReadable(form);
    }

    // File > Print by its keys: the question, the results and the note,
    // which wraps to the page's width.
    const QString page = PrintedPage().simplified();
    for (const QString& line :
         {QStringLiteral("Datum Transformation : NAD27 (EPSG:4267) to WGS 84 (EPSG:4326)"),
          QStringLiteral("From datum : NAD27 (EPSG:4267)"), QString::fromLatin1("Latitude : 40\xB0" "41'21\"120 N"),
          QStringLiteral("Strict : no"), QStringLiteral("Shift : ") + form.Results[4]->text(),
          QStringLiteral("Transformation : NAD27 to WGS 84 (4) (EPSG:1173)"), QStringLiteral("Accuracy : 10 m"),
          form.Results[9]->text(),
          QStringLiteral("The shift is measured along the geodesic on Clarke 1866, the ellipsoid of NAD27;")})
        EXPECT_TRUE(page.contains(line)) << line.toStdString() << "\n" << page.toStdString();
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
}

} // namespace
