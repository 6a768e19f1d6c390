// Owns one reference to a COM interface and releases it when it goes.
#pragma once
#include <unknwn.h>

template <typename Interface>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (pointer_) pointer_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    // For the functions that hand out a new reference through an out-parameter.
    Interface** out() { return &pointer_; }

private:
    Interface* pointer_ = nullptr;
};
