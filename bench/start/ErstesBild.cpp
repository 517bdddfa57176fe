// A Qt generic plugin for measuring start-up: loaded into any Qt program by
// QT_QPA_GENERIC_PLUGINS=ersterbild (with QT_PLUGIN_PATH naming the folder
// above generic/), it ends the program once its first window has been
// painted. So the shipped program is measured as it is, without a switch of
// its own, and the bare window beside it in exactly the same way.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QMetaObject>

namespace {

class Beender : public QObject {
  public:
    Beender() { QCoreApplication::instance()->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        // The paint event of a window's widget: queued, the quit comes after
        // the painting and its flush to the screen.
        if (ereignis->type() == QEvent::Paint && objekt->isWidgetType() && !gemalt_) {
            gemalt_ = true;
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        return false;
    }

  private:
    bool gemalt_ = false;
};

} // namespace

class ErstesBild : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "ersterbild.json")
  public:
    QObject* create(const QString& name, const QString&) override {
        return name.compare(QLatin1String("ersterbild"), Qt::CaseInsensitive) == 0 ? new Beender()
                                                                                   : nullptr;
    }
};

#include "ErstesBild.moc"
