// Steps of evaluation and verification that call one another as deeply as a
// knowledge base nests its models. Each step is a coroutine whose frame lives
// on the heap; `run_to_end` resumes them from an explicit stack, so a chain of
// any length needs no deeper call stack than a chain of one.
//
// Await a step into a local variable, never inside the condition of an `if`
// or `switch`: g++ 12 destroys the awaited step too early there.
#pragma once

#include <coroutine>
#include <exception>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

namespace orve {

// The frames waiting for one another, the innermost last.
using TaskStack = std::vector<std::coroutine_handle<>>;

// What every step shares: it starts when awaited, stops at its end for the
// awaiting step to collect the outcome, and keeps an exception for it.
struct TaskPromiseBase {
    TaskStack* stack = nullptr;
    std::exception_ptr error;

    std::suspend_always initial_suspend() noexcept { return {}; }
    std::suspend_always final_suspend() noexcept { return {}; }
    void unhandled_exception() noexcept { error = std::current_exception(); }
};

// A step that yields a T. Awaiting it from another step pushes it on the
// stack instead of calling it.
template <typename T> class [[nodiscard]] Task {
  public:
    struct promise_type : TaskPromiseBase {
        std::optional<T> value;

        Task get_return_object() {
            return Task(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        void return_value(T outcome) { value.emplace(std::move(outcome)); }
    };

    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&&) = delete;
    Task(const Task&) = delete;
    ~Task() {
        if (handle_) {
            handle_.destroy();
        }
    }

    bool await_ready() const noexcept { return false; }
    template <typename Promise> void await_suspend(std::coroutine_handle<Promise> awaiting) {
        push(*awaiting.promise().stack);
    }
    T await_resume() { return outcome(); }

    // Runs the step and every step it awaits to the end, one frame at a time.
    friend T run_to_end(Task task) {
        TaskStack stack;
        task.push(stack);
        while (!stack.empty()) {
            const std::coroutine_handle<> top = stack.back();
            if (top.done()) {
                stack.pop_back(); // the awaiting step collects the outcome
            } else {
                top.resume();
            }
        }
        return task.outcome();
    }

  private:
    explicit Task(std::coroutine_handle<promise_type> handle) : handle_(handle) {}

    void push(TaskStack& stack) {
        handle_.promise().stack = &stack;
        stack.push_back(handle_);
    }

    T outcome() {
        promise_type& promise = handle_.promise();
        if (promise.error) {
            std::rethrow_exception(promise.error);
        }
        return std::move(*promise.value);
    }

    std::coroutine_handle<promise_type> handle_;
};

// A step whose outcome is already known.
template <typename T> Task<T> ready_task(T outcome) {
    co_return outcome;
}

// A hook called as a step: set from a callable that returns a Task<T>, or from
// a plain callable returning T, whose outcome is then handed back as a step.
template <typename T, typename... Args> class TaskHook {
  public:
    TaskHook() = default;
    template <typename F>
    requires std::is_invocable_v<F&, Args...> TaskHook(F function) {
        if constexpr (std::is_same_v<std::invoke_result_t<F&, Args...>, Task<T>>) {
            call_ = std::move(function);
        } else {
            call_ = [function = std::move(function)](Args... args) mutable {
                return ready_task<T>(function(std::forward<Args>(args)...));
            };
        }
    }

    explicit operator bool() const { return static_cast<bool>(call_); }
    Task<T> operator()(Args... args) const { return call_(std::forward<Args>(args)...); }

  private:
    std::function<Task<T>(Args...)> call_;
};

} // namespace orve
