#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/pages/io/inputs/TFormCalibration.h"

using namespace vrm;

TEST(InputsCalibrationDialog, AsksForTheWantedValue)
{
    TFormCalibration dialog;
    EXPECT_EQ(dialog.windowTitle(), "Калибровка входа");
    auto* edit = dialog.findChild<QLineEdit*>("MaskEditNeedVal");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "0");
    EXPECT_EQ(edit->maxLength(), 10);
    EXPECT_EQ(dialog.wantedValue(), 0.0);
    edit->setText("-12,5");
    EXPECT_EQ(dialog.wantedValue(), -12.5);
    edit->setText("");
    EXPECT_EQ(dialog.wantedValue(), 0.0);
}

TEST(InputsCalibrationDialog, EnterAcceptsAndCancelRejects)
{
    {
        TFormCalibration dialog;
        auto* edit = dialog.findChild<QLineEdit*>("MaskEditNeedVal");
        QTimer::singleShot(0, [&] {
            edit->setText("7,25");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
        EXPECT_EQ(dialog.wantedValue(), 7.25);
    }
    {
        TFormCalibration dialog;
        QTimer::singleShot(0, [&] { dialog.findChild<QPushButton*>("ButtonCancel")->click(); });
        EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    }
}
