// SPDX-License-Identifier: MIT
// The message boxes as they would be shown; never shown here, so nothing blocks.
#include "present/qt/qtdialogs.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace hexbrawl {
namespace {

TEST(QtDialogs, OneOkButtonThePlainTextAndTheIconOfItsKind)
{
    const std::pair<MessageKind, QMessageBox::Icon> kinds[] = {
        {MessageKind::info, QMessageBox::Information},
        {MessageKind::warning, QMessageBox::Warning},
        {MessageKind::error, QMessageBox::Critical},
    };
    for (auto [kind, icon] : kinds) {
        auto box = QtDialogs::makebox(kind, "<b>x</b> is moving...", nullptr);
        EXPECT_EQ(box->icon(), icon);
        EXPECT_EQ(box->windowTitle(), "Hexbrawl");
        EXPECT_EQ(box->text(), "<b>x</b> is moving...");
        ASSERT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->standardButton(box->buttons()[0]), QMessageBox::Ok);
        // The label shows the tags as typed, not as bold text.
        auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->text(), "<b>x</b> is moving...");
    }
}

}  // namespace
}  // namespace hexbrawl
