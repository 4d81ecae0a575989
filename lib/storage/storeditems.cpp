#include "storage/storeditems.h"

#include "platform/runtime/screen.h"
#include "platform/runtime/stringlist.h"

namespace vexo {

namespace {

const QString kKeyDelimiter = QStringLiteral("|#|");

} // namespace

QString CreateStoredItem(const QString& compName, const QString& propName, const QString& key) {
    QString result;
    if (!compName.isEmpty() && !propName.isEmpty())
        result = compName + QLatin1Char('.') + propName;
    if (!key.isEmpty())
        result += kKeyDelimiter + key;
    return result;
}

bool ParseStoredItem(const QString& item, QString& compName, QString& propName, QString& key) {
    compName.clear();
    propName.clear();
    key.clear();
    if (item.isEmpty())
        return false;
    const qsizetype dot = item.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    compName = item.left(dot).trimmed();
    propName = item.mid(dot + 1).trimmed();
    const qsizetype delimiter = propName.indexOf(kKeyDelimiter);
    if (delimiter >= 0) {
        key = propName.mid(delimiter + kKeyDelimiter.size()).trimmed();
        propName = propName.left(delimiter).trimmed();
    }
    return !compName.isEmpty() && !propName.isEmpty();
}

void UpdateStoredList(TComponent* component, TStrings* list, bool fromForm) {
    if (component == nullptr || list == nullptr)
        return;
    for (int i = list->Count() - 1; i >= 0; --i) {
        QString compName;
        QString propName;
        QString key;
        if (!ParseStoredItem(list->Strings(i), compName, propName, key)) {
            list->Delete(i);
            continue;
        }
        if (fromForm) {
            TComponent* found = component->FindComponent(compName);
            if (found == nullptr)
                list->Delete(i);
            else
                list->PutObject(i, found->Object());
        } else {
            TComponent* owned = TComponent::FromObject(list->Objects(i));
            if (owned == nullptr)
                list->Delete(i);
            else
                list->Put(i, CreateStoredItem(owned->Name(), propName, key));
        }
    }
}

TComponent* FindScreenComponent(const QString& name) {
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (Screen().Forms(i)->Name().compare(name, Qt::CaseInsensitive) == 0)
            return Screen().Forms(i);
    for (int i = 0; i < Screen().DataModuleCount(); ++i)
        if (Screen().DataModules(i)->Name().compare(name, Qt::CaseInsensitive) == 0)
            return Screen().DataModules(i);
    return nullptr;
}

} // namespace vexo
