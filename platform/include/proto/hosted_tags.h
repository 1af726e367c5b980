/* proto/hosted_tags.h: how the proto headers' varargs forms (OpenWindowTags, NewObject, DoMethod ...) build their tag lists and messages here. */
#ifndef PROTO_HOSTED_TAGS_H
#define PROTO_HOSTED_TAGS_H

/* The real system's varargs stubs pass their arguments on the stack as a
   tag list or message; here C++ templates build the same arrays. Included
   by the proto headers, not by programs. */

#include <utility/tagitem.h>

#ifdef __cplusplus
#include <cstddef>
#include <type_traits>

namespace hosted_tags {

/* One argument as a word of a tag list or message: a pointer by its
   address, a number or enumeration by its value, nullptr as 0. */
template <typename T>
inline IPTR Word(T value)
{
    if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<IPTR>(value);
    else
        return static_cast<IPTR>(value);
}
inline IPTR Word(decltype(nullptr)) { return 0; }

/* A tag list from alternating tags and values, TAG_DONE appended (a
   TAG_DONE given as the last argument ends the list at the same place). */
template <typename... Args>
struct List {
    static constexpr std::size_t count = sizeof...(Args) / 2 + 1;
    struct TagItem items[count];
    explicit List(Args... args)
    {
        const IPTR words[] = {Word(args)..., TAG_DONE, 0};
        for (std::size_t i = 0; i < count; i++) {
            items[i].ti_Tag = static_cast<Tag>(words[2 * i]);
            items[i].ti_Data = words[2 * i + 1];
        }
    }
};

}  // namespace hosted_tags
#endif

#endif /* PROTO_HOSTED_TAGS_H */
