#include "automation/Object.hpp"

#include "automation/AutomationError.hpp"

namespace orvantis {
namespace {

std::vector<Argument> ByValue(std::vector<Variant> values) {
    std::vector<Argument> arguments;
    arguments.reserve(values.size());
    for (auto& value : values) arguments.push_back(Argument{std::move(value)});
    return arguments;
}

}  // namespace

Variant Object::Call(const Member& member, std::vector<Variant> arguments) {
    auto list = ByValue(std::move(arguments));
    return Invoke(member, CallKind::Method, list);
}

Variant Object::Get(const Member& member, std::vector<Variant> arguments) {
    auto list = ByValue(std::move(arguments));
    return Invoke(member, CallKind::PropertyGet, list);
}

void Object::Put(const Member& member, Variant value) {
    Argument argument{std::move(value)};
    Invoke(member, CallKind::PropertyPut, std::span(&argument, 1));
}

void Object::PutRef(const Member& member, ObjectRef value) {
    Argument argument{Variant(std::move(value))};
    Invoke(member, CallKind::PropertyPutRef, std::span(&argument, 1));
}

Object& Dereference(const Variant& value) {
    return *RequireObject(value);
}

ObjectRef RequireObject(const Variant& value) {
    ObjectRef object = value.ToObject();
    if (!object) throw AutomationError::Standard(errors::kObjectNotSet);
    return object;
}

}  // namespace orvantis
