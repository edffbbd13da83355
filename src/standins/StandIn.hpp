#pragma once

#include <functional>
#include <memory>
#include <string>

#include "automation/AutomationError.hpp"
#include "automation/Enumerator.hpp"
#include "standins/Ledger.hpp"
#include "standins/Members.hpp"

namespace orvantis::standins {

// A handle onto a product's world that answers only the members of its class's table, as
// strictly as the product's IDispatch does:
//   unknown name or dispatch identifier          438 (DISP_E_UNKNOWNNAME)
//   a put on a read-only property or a method,
//   a method read as a property                  438 (DISP_E_MEMBERNOTFOUND, which script
//                                                     hosts report with the same number)
//   too many arguments, or a put without value   450 (DISP_E_BADPARAMCOUNT)
//   a required argument omitted or missing       449 (DISP_E_PARAMNOTOPTIONAL)
//   a value that does not convert                13 (DISP_E_TYPEMISMATCH), 6 when too large
// A property called as a method is read, since script hosts ask with both flags. Every call
// is logged, valid or not; a valid one then meets the world's failure rules.
class StandIn : public Object {
public:
    Variant Invoke(const Member& member, CallKind kind, std::span<Argument> arguments) final;

    // A call that passed every check: arguments converted to the declared types, omitted
    // ones Missing; for a put, the value is the last argument.
    struct Call {
        const MemberInfo& member;
        std::wstring_view name;  // as the caller spelled it
        CallKind kind;
        std::span<const Variant> arguments;
    };

protected:
    StandIn(std::shared_ptr<Ledger> ledger, std::wstring_view className, std::wstring_view source);

    // The row of the class's table that answers `member`; null when none does.
    virtual const MemberInfo* Find(const Member& member) const = 0;
    // What the handler of `call.member`, a row Find gave, answers.
    virtual Variant Answer(const Call& call) = 0;

    // An error as the product raises it, with its own source.
    AutomationError ProductError(std::int32_t number, std::wstring description) const;
    // The one most automation servers raise for their own failures: an exception whose
    // description says what went wrong (DISP_E_EXCEPTION).
    AutomationError ProductError(std::wstring description) const;
    // The 0-based place of a collection's 1-based `position`; outside the collection, the
    // product's own error, whose text `outside` makes from the position.
    std::size_t PlaceOf(const Variant& position, std::size_t count,
                        std::wstring (*outside)(std::int32_t position)) const;

private:
    AutomationError Refusal(std::int32_t number, std::wstring_view detail) const;
    std::vector<Variant> CheckedArguments(const MemberInfo& member, CallKind kind,
                                          std::span<Argument> arguments) const;

    LiveHandle live_;
    std::wstring_view className_;
    std::wstring_view source_;
};

// One row of a stand-in class's table: a member and what answers it, so that a member
// cannot be declared without its answer, nor answered without being declared.
template <class Self>
struct Answered : MemberInfo {
    using Handler = std::function<Variant(Self&, const StandIn::Call&)>;

    Answered(MemberInfo member, Handler handler) : MemberInfo(std::move(member)), answer(std::move(handler)) {}

    Handler answer;
};

// What a collection's Count answers.
template <class Collection>
Variant Count(const Collection& collection) {
    return static_cast<std::int32_t>(collection.size());
}

// The elements of a collection at the moment it was asked for _NewEnum, each made into a
// handle only when reached.
class StandInEnumerator : public Enumerator {
public:
    StandInEnumerator(std::shared_ptr<Ledger> ledger, std::size_t count,
                      std::function<Variant(std::size_t)> element);
    std::optional<Variant> Next() override;

private:
    LiveHandle live_;
    std::size_t count_;
    std::size_t next_ = 0;
    std::function<Variant(std::size_t)> element_;
};

// The base of one product's objects of class Self: a handle onto the product's shared world
// (never onto its parent object), counted in the world's ledger, its errors under the
// product's source (World::kSource), its calls answered from the rows of Members().
template <class World, class Self>
class ProductHandle : public StandIn {
protected:
    using Row = Answered<Self>;
    using Table = std::span<const Row>;

    ProductHandle(std::shared_ptr<World> world, std::wstring_view className)
        : StandIn(LedgerOf(world), className, World::kSource), world_(std::move(world)) {}

    virtual Table Members() const = 0;

    // A new object of the product, onto the same world.
    template <class Handle, class... Place>
    ObjectRef Make(Place&&... place) const {
        return std::make_shared<Handle>(world_, std::forward<Place>(place)...);
    }
    // The element at a collection's 1-based position; outside it, World::NoElementAt's error.
    std::size_t PositionIn(const Variant& position, std::size_t count) const {
        return PlaceOf(position, count, World::NoElementAt);
    }
    // The enumerator keeps the world, not the collection that made it, which it may outlive.
    ObjectRef Enumerate(std::size_t count, std::function<Variant(std::size_t)> element) const {
        return std::make_shared<StandInEnumerator>(LedgerOf(world_), count, std::move(element));
    }

    std::shared_ptr<World> world_;

private:
    const MemberInfo* Find(const Member& member) const final { return FindMember(Members(), member); }
    Variant Answer(const Call& call) final {
        return static_cast<const Row&>(call.member).answer(static_cast<Self&>(*this), call);
    }

    static std::shared_ptr<Ledger> LedgerOf(const std::shared_ptr<World>& world) {
        return {world, &world->ledger};
    }
};

}  // namespace orvantis::standins
