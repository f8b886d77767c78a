// Drives modal dialogs from inside their own event loops.
#include "testhost/ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <memory>
#include <stdexcept>

namespace ovtest {
namespace {
bool g_sawDialog = false;
}

void EnsureTestApplication()
{
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "ornivex-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);  // lives for the whole test process
    (void)app;
}

int RunModal(const std::function<int()>& open, const DialogAction& act, int timeoutMs)
{
    EnsureTestApplication();
    g_sawDialog = false;
    QTimer poll;
    poll.setInterval(5);
    int waited = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        waited += 5;
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (waited > timeoutMs) poll.stop();
            return;
        }
        poll.stop();
        g_sawDialog = true;
        QPointer<QDialog> guard(dialog);
        act(*dialog);
        if (guard && guard->isVisible()) guard->reject();
    });
    poll.start();
    return open();
}

bool LastRunSawDialog()
{
    return g_sawDialog;
}

namespace {
template <typename T>
T* Find(QDialog& dialog, const QString& name)
{
    T* w = dialog.findChild<T*>(name);
    if (!w) throw std::runtime_error("no control named " + name.toStdString());
    return w;
}
}  // namespace

void TypeInto(QDialog& dialog, const QString& objectName, const QString& text)
{
    auto* edit = Find<QLineEdit>(dialog, objectName);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void Click(QDialog& dialog, const QString& objectName)
{
    QTest::mouseClick(Find<QAbstractButton>(dialog, objectName), Qt::LeftButton);
}

void PressKey(QDialog& dialog, Qt::Key key)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target && dialog.isAncestorOf(target) ? target : &dialog, key);
}

void Accept(QDialog& dialog)
{
    dialog.accept();
}
void Cancel(QDialog& dialog)
{
    dialog.reject();
}

int RunBareDialog(QWidget* parent)
{
    QDialog dialog(parent);
    return dialog.exec() == QDialog::Accepted ? 1 : 2;
}

}  // namespace ovtest
