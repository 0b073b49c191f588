#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <span>

namespace rt {

// A length-counted, owned block of bytes; the empty one is no value at all.
// Its allocation may fail without ending the program, because a picture of a
// screen is large and the runtime falls back to "no picture" instead.
class ByteString {
  public:
    ByteString() = default;

    static ByteString TryAllocate(std::size_t size) {
        ByteString bytes;
        if (size != 0) {
            bytes.data_.reset(new (std::nothrow) std::uint8_t[size]);
            bytes.size_ = bytes.data_ ? size : 0;
        }
        return bytes;
    }

    static ByteString TryCopy(std::span<const std::uint8_t> source) {
        ByteString bytes = TryAllocate(source.size());
        if (!bytes.Empty()) {
            std::memcpy(bytes.Data(), source.data(), source.size());
        }
        return bytes;
    }

    bool Empty() const { return size_ == 0; }
    std::size_t Size() const { return size_; }
    std::uint8_t* Data() { return data_.get(); }
    std::span<const std::uint8_t> View() const { return {data_.get(), size_}; }

  private:
    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t size_ = 0;
};

} // namespace rt
