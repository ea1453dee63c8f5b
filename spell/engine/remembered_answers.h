// TRememberedAnswers: a dictionary's answers to the words a text repeats,
// kept by the words' exact bytes. Two answers share a bucket the size of a
// cache line, the one asked last in front. The table starts small and
// doubles, up to kMaxSlots, each time it has taken in as many new words as
// it has slots: a long text of many different words gets room for them, a
// short one costs little.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tq::spell {

class TRememberedAnswers {
 public:
  static constexpr size_t kLongestWord = 26;
  static constexpr size_t kFirstSlots = 8192;
  static constexpr size_t kMaxSlots = 65536;

  // The answer kept for word (true or false), or -1 when there is none.
  // word is 1 to kLongestWord bytes.
  int Find(std::string_view word);
  void Keep(std::string_view word, bool found);
  void Clear();
  size_t slots() const { return buckets_.size() * 2; }

 private:
  struct Answer {
    uint32_t hash = 0;
    uint8_t length = 0;  // 0: empty
    bool found = false;
    char word[kLongestWord] = {};
  };
  struct alignas(64) Bucket {
    Answer way[2];
  };
  static uint32_t Hash(std::string_view word);
  Bucket& BucketOf(uint32_t hash) { return buckets_[hash & (buckets_.size() - 1)]; }
  void Grow();

  std::vector<Bucket> buckets_;
  size_t taken_ = 0;  // new words since the table last grew
};

}  // namespace tq::spell
