#pragma once

#include "engine/halvex/kit/LocalizedText.h"

#include <QString>

namespace halvex {

// One problem a task reports: which file (empty when it concerns no single file) and why.
struct TaskMessage {
    enum class Severity { error, warning };

    Severity severity = Severity::error;
    QString filePath;
    LocalizedText reason;

    static TaskMessage error(const QString& filePath, const QString& reasonKey,
                             const QVariantList& arguments = {})
    {
        return {Severity::error, filePath, {reasonKey, arguments}};
    }
    static TaskMessage warning(const QString& filePath, const QString& reasonKey,
                               const QVariantList& arguments = {})
    {
        return {Severity::warning, filePath, {reasonKey, arguments}};
    }

    friend bool operator==(const TaskMessage&, const TaskMessage&) = default;
};

} // namespace halvex
