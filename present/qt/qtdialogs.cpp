// SPDX-License-Identifier: MIT
#include "present/qt/qtdialogs.h"

#include <QMessageBox>
#include <QTimer>

namespace hexbrawl {

QtDialogs::QtDialogs(QWidget* parent, std::function<void()> sync) : parent_(parent), sync_(std::move(sync)) {}

std::unique_ptr<QMessageBox> QtDialogs::makebox(MessageKind kind, const std::string& text, QWidget* parent)
{
    QMessageBox::Icon icon = kind == MessageKind::info      ? QMessageBox::Information
                             : kind == MessageKind::warning ? QMessageBox::Warning
                                                            : QMessageBox::Critical;
    auto box = std::make_unique<QMessageBox>(icon, QStringLiteral("Hexbrawl"), QString(), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setText(QString::fromStdString(text));
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    return box;
}

void QtDialogs::showmessage(MessageKind kind, const std::string& text)
{
    ++open_;
    if (sync_)
        sync_();
    std::unique_ptr<QMessageBox> box = makebox(kind, text, parent_);
    if (autoclose_ && autoclose_(kind))
        QTimer::singleShot(autoclosems, box.get(), [b = box.get()] { b->accept(); });
    box->exec();
    --open_;
}

}  // namespace hexbrawl
