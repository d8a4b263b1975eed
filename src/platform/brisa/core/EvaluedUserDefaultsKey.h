#pragma once

#include <QString>

#include <functional>

namespace brisa {

// A typed settings key: its key string, its coder and its default value. The default is
// computed once, when the key object is made, from the closure given here.
// Keys are made lazily (function-local statics) and live for the whole run.
template<class Coder>
class EvaluedUserDefaultsKey {
public:
    using Value = typename Coder::Value;

    EvaluedUserDefaultsKey(QString name, const std::function<Value()>& value)
        : name_(std::move(name)), defaultValue_(value())
    {
    }

    const QString& name() const { return name_; }
    const Value& defaultValue() const { return defaultValue_; }

private:
    QString name_;
    Value defaultValue_;
};

} // namespace brisa
