#pragma once
// A string in 8 bytes, for tables that hold one per row: up to 7 bytes are
// kept inline, longer ones in a single heap block of exactly their size,
// which copies share (the text never changes in place). A scene of many
// short titles and names so costs memory in proportion to its text, where
// std::string would take 32 bytes for each even when empty; and a name
// repeated over millions of rows is kept once where its copies are.
//
// It converts to std::string_view and std::string, and takes both, so code
// written for std::string columns reads and assigns it unchanged.
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace veldor {

class CompactString {
public:
    CompactString() noexcept = default;
    CompactString(std::string_view text) { assign(text); }
    CompactString(const std::string& text) { assign(text); }
    CompactString(const char* text) { assign(text); }
    CompactString(const CompactString& other) noexcept : bits_(other.bits_)
    {
        if (!(bits_ & 1))
            refs().fetch_add(1, std::memory_order_relaxed);
    }
    CompactString(CompactString&& other) noexcept : bits_(other.bits_) { other.bits_ = kEmpty; }
    ~CompactString() { release(); }

    CompactString& operator=(const CompactString& other)
    {
        if (this != &other)
            *this = CompactString(other);
        return *this;
    }
    CompactString& operator=(CompactString&& other) noexcept
    {
        std::swap(bits_, other.bits_);
        return *this;
    }
    // Through a copy, so that assigning a part of itself is safe.
    CompactString& operator=(std::string_view text) { return *this = CompactString(text); }
    CompactString& operator=(const std::string& text) { return *this = CompactString(text); }
    CompactString& operator=(const char* text) { return *this = CompactString(text); }

    std::string_view view() const noexcept
    {
        if (bits_ & 1)
            return {reinterpret_cast<const char*>(&bits_) + 1, std::size_t((bits_ >> 1) & 7)};
        const Block* block = reinterpret_cast<const Block*>(bits_);
        return {reinterpret_cast<const char*>(block + 1), block->size};
    }
    operator std::string_view() const noexcept { return view(); }
    operator std::string() const { return std::string(view()); }
    std::string str() const { return std::string(view()); }
    std::size_t size() const noexcept { return view().size(); }
    bool empty() const noexcept { return view().empty(); }

    friend bool operator==(const CompactString& a, const CompactString& b) { return a.view() == b.view(); }
    friend std::ostream& operator<<(std::ostream& out, const CompactString& s) { return out << s.view(); }

private:
    // Inline: the lowest byte holds (length << 1) | 1, the other seven the
    // text. On the heap: the block's address, which is even, pointing at the
    // number of strings sharing it and the length, followed by the text.
    static_assert(std::endian::native == std::endian::little && sizeof(void*) == 8);
    static constexpr std::uint64_t kEmpty = 1;

    struct Block {
        std::size_t refs;
        std::size_t size;
    };
    std::atomic_ref<std::size_t> refs() const noexcept
    {
        return std::atomic_ref<std::size_t>(reinterpret_cast<Block*>(bits_)->refs);
    }

    void assign(std::string_view text)
    {
        if (text.size() <= 7) {
            bits_ = (std::uint64_t(text.size()) << 1) | 1;
            if (!text.empty())
                std::memcpy(reinterpret_cast<char*>(&bits_) + 1, text.data(), text.size());
            return;
        }
        Block* block = static_cast<Block*>(::operator new(sizeof(Block) + text.size()));
        block->refs = 1;
        block->size = text.size();
        std::memcpy(block + 1, text.data(), text.size());
        bits_ = reinterpret_cast<std::uint64_t>(block);
    }
    void release() noexcept
    {
        if (!(bits_ & 1) && refs().fetch_sub(1, std::memory_order_acq_rel) == 1)
            ::operator delete(reinterpret_cast<Block*>(bits_));
    }

    std::uint64_t bits_ = kEmpty;
};

} // namespace veldor
