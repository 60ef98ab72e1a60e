#pragma once

#include "tarvikerror.h"

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

// The outcome of an operation that can fail: a value, or the TarvikError that explains why not.
template<typename T>
class [[nodiscard]] Result
{
public:
    // An unset result (an error of no domain); exists so that results can be awaited generically.
    Result()
        : m_state(std::in_place_index<1>)
    {
    }
    Result(T value)
        : m_state(std::in_place_index<0>, std::move(value))
    {
    }
    Result(TarvikError error)
        : m_state(std::in_place_index<1>, std::move(error))
    {
    }

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T &value() const & { return std::get<0>(m_state); }
    T &value() & { return std::get<0>(m_state); }
    T &&value() && { return std::get<0>(std::move(m_state)); }
    const T &operator*() const & { return value(); }
    T &operator*() & { return value(); }
    const T *operator->() const { return &value(); }
    T *operator->() { return &value(); }

    const TarvikError &error() const { return std::get<1>(m_state); }

private:
    std::variant<T, TarvikError> m_state;
};

// An operation that yields nothing but can fail.
template<>
class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(TarvikError error)
        : m_error(std::move(error))
    {
    }

    bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    const TarvikError &error() const { return *m_error; }

private:
    std::optional<TarvikError> m_error;
};
