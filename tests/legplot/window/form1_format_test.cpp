#include "form1_test_support.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

namespace {

using testsupport::Q;
using testsupport::T;
using testsupport::Window;

void Choose(Window& w, int format)
{
    QTest::mouseClick(w->RadioGroup1->Item(format), Qt::LeftButton);
    QApplication::processEvents();
}

TEST(Form1Format, StartFieldsFollowTheFormat)
{
    Window w;
    w.TypeAndLeave(w->lat_edit, "52*30'00");
    w->EorW->SetText("W");
    w.TypeAndLeave(w->lon_edit, "004*15'27"); // 4 deg 15.27 min
    const double lat = w->Plan().StartLat;
    const double lon = w->Plan().StartLon;

    Choose(w, 1);
    EXPECT_EQ(w->lat_edit->Text(), T("52*30'00\""));
    EXPECT_EQ(w->lat_edit->EditMask(), T("##*##'##\""));
    EXPECT_EQ(w->lon_edit->Text(), T("004*15'16\""));
    Choose(w, 2);
    EXPECT_EQ(w->lat_edit->Text(), T("52*30'00\"000"));
    EXPECT_EQ(w->lon_edit->Text(), T("004*15'16\"200"));
    Choose(w, 0);
    EXPECT_EQ(w->lat_edit->Text(), T("52*30'00"));
    EXPECT_EQ(w->lon_edit->Text(), T("004*15'27"));
    EXPECT_EQ(w->Plan().StartLat, lat);
    EXPECT_EQ(w->Plan().StartLon, lon);
    EXPECT_EQ(w->EorW->Text(), "W");
}

TEST(Form1Format, DescribedTable)
{
    Window w;
    w.TypeAndLeave(w->lat_edit, "52*30'00");
    Choose(w, 1);
    w->EorW->SetText("W");
    w.TypeAndLeave(w->lon_edit, "004*15'27\"");
    ASSERT_DOUBLE_EQ(w->Plan().StartLon, -4.2575);
    const char* lat[] = {"52*30'00", "52*30'00\"", "52*30'00\"000"};
    const char* lon[] = {"004*15'45", "004*15'27\"", "004*15'27\"000"};
    for (int format : {0, 1, 2}) {
        Choose(w, format);
        EXPECT_EQ(w->lat_edit->Text(), T(lat[format]));
        EXPECT_EQ(w->lon_edit->Text(), T(lon[format]));
    }
}

TEST(Form1Format, FinerValueSurvivesASwitchButNotALeave)
{
    Window w;
    Choose(w, 2);
    w.TypeAndLeave(w->lat_edit, "12*20'44\"444");
    const double fine = w->Plan().StartLat;
    Choose(w, 0);
    EXPECT_EQ(w->lat_edit->Text(), T("12*20'74"));
    EXPECT_EQ(w->Plan().StartLat, fine);
    Choose(w, 2);
    EXPECT_EQ(w->lat_edit->Text(), T("12*20'44\"444"));

    // Tabbing through the field reads its text back at that precision.
    Choose(w, 0);
    testsupport::Enter(w->lat_edit);
    testsupport::Tab(w->lat_edit);
    EXPECT_NE(w->Plan().StartLat, fine);
    EXPECT_DOUBLE_EQ(w->Plan().StartLat, 12 + 20.74 / 60);
}

TEST(Form1Format, AllLegsSwitchAndTheMessageStays)
{
    Window w;
    w.TypeAndLeave(w->MaskEdit21, "400.0");
    w.TypeAndLeave(w->MaskEdit16, "12.0");
    w.TypeAndLeave(w->Maskedit11, "0130");
    Choose(w, 2);
    EXPECT_EQ(w->StatusMessage(), QStringLiteral(" Max. 359.9"));
    for (QLabel* lat : {w->Label7, w->Label8, w->Label9, w->Label10, w->Label11})
        EXPECT_EQ(lat->text().size(), 14) << lat->text().toStdString();
    EXPECT_EQ(w->Label8->text(), Q("00*00'00\"000 N"));
    EXPECT_EQ(w->Label12->text().size(), 15);
}

} // namespace
