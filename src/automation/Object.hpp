#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "automation/Variant.hpp"

namespace orvantis {

enum class CallKind { Method, PropertyGet, PropertyPut, PropertyPutRef };

// A member by name, or by dispatch identifier where only that is known.
struct Member {
    Member(std::wstring_view memberName) : name(memberName) {}
    Member(const wchar_t* memberName) : name(memberName) {}
    static Member FromDispatchId(std::int32_t id) {
        Member member(L"");
        member.dispatchId = id;
        return member;
    }

    std::wstring name;
    std::optional<std::int32_t> dispatchId;
};

// An argument as the caller wrote it; one passed by reference may be written back.
struct Argument {
    Variant value;
    bool byReference = false;
};

// An abstract late-bound automation object: every product object, every stand-in, and the
// item records answer this one call shape. Arguments are in the order a script writes them.
class Object {
public:
    virtual ~Object() = default;

    virtual Variant Invoke(const Member& member, CallKind kind, std::span<Argument> arguments) = 0;

    Variant Call(const Member& member, std::vector<Variant> arguments = {});
    Variant Get(const Member& member, std::vector<Variant> arguments = {});
    void Put(const Member& member, Variant value);
    void PutRef(const Member& member, ObjectRef value);
};

// The object a variant refers to; 91 when it refers to none (Nothing), 424 when it holds
// something else.
Object& Dereference(const Variant& value);
// The same, kept alive: for an object held beyond the expression that produced it.
ObjectRef RequireObject(const Variant& value);

}  // namespace orvantis
