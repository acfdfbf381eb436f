#include "qtdialogs.h"

#include "pictures.h"
#include "sizelimit.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QMimeDatabase>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace kb {

QtDialogs::QtDialogs() = default;
QtDialogs::~QtDialogs() = default;

void QtDialogs::message(const QString &text)
{
    // No parent: a busy (disabled) window behind must not disable the box.
    QMessageBox box(QMessageBox::NoIcon, appTitle(), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

QString qtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        if (!label.contains(QLatin1Char('(')))
            label += QStringLiteral(" (%1)").arg(parts[i + 1]);
        out << label;
    }
    return out.join(QStringLiteral(";;"));
}

QString QtDialogs::fileName(QObject *window, const QString &title, const QString &filter, bool forSaving)
{
    QWidget *parent = qobject_cast<QWidget *>(window);
    const QString qtFilter = qtFileFilter(filter);
    if (forSaving)
        return QFileDialog::getSaveFileName(parent, title, QString(), qtFilter);
    return QFileDialog::getOpenFileName(parent, title, QString(), qtFilter);
}

QPagedPaintDevice *QtDialogs::choosePrinter(QObject *window)
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(m_printer.get(), qobject_cast<QWidget *>(window));
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return m_printer.get();
}

bool desktopHasProgramFor(const QString &path)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return true;
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QMimeDatabase().mimeTypeForFile(path).name()});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished(1000);
        return true;
    }
    return query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0
           || !query.readAllStandardOutput().trimmed().isEmpty();
}

bool QtDialogs::openDocument(const QString &path)
{
    return desktopHasProgramFor(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDialogs::startProgram(const QString &program)
{
    return QProcess::startDetached(program, {});
}

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    // A file-size limit fails the write that passes it, as a full disk does; it never ends the program.
    catchWritesPastTheSizeLimit();
    // Every window without an icon of its own shows this one, the frame's children too.
    setWindowIcon(programIcon());
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // A handler without a trap of its own failed: report it, never end the program.
        if (auto *w = qobject_cast<QWidget *>(receiver)) {
            if (QWidget *top = w->window())
                top->setEnabled(true);
        }
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        errorBox(QString());
        return false;
    }
}

} // namespace kb
