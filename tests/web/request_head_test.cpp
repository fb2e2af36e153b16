// Reading a request off the wire, without a socket: what is framed plainly
// one way is taken, anything else gets its refusal.
#include "web/request_head.h"

#include <gtest/gtest.h>

namespace kolvar::remote {
namespace {

// The status a request's head is refused with; 0 when it is taken.
int refusal(std::string_view received) {
  const std::optional<Taken<Head>> taken = take_head(received);
  if (!taken) return -1;  // waits for more
  const auto* response = std::get_if<Response>(&taken->result);
  return response ? response->status : 0;
}

Head head_of(std::string_view received) {
  const std::optional<Taken<Head>> taken = take_head(received);
  EXPECT_TRUE(taken && std::holds_alternative<Head>(taken->result)) << received;
  return taken ? std::get<Head>(taken->result) : Head{};
}

TEST(RequestHead, APlainRequestAndWhatItSays) {
  const std::string text =
      "\r\nGET /api/state?token=ab HTTP/1.1\r\nHost: 127.0.0.1:8080\r\n"
      "Authorization:  Bearer xyz \r\nX-Other: a\tb\r\n\r\nGET / HTTP/1.1\r\n";
  const std::optional<Taken<Head>> taken = take_head(text);
  ASSERT_TRUE(taken);
  EXPECT_EQ(text.substr(taken->length), "GET / HTTP/1.1\r\n");  // the next one stays
  const Head& head = std::get<Head>(taken->result);
  EXPECT_EQ(head.request.method, "GET");
  EXPECT_EQ(head.request.target, "/api/state?token=ab");
  EXPECT_EQ(head.request.host, "127.0.0.1:8080");
  EXPECT_EQ(head.request.authorization, "Bearer xyz");
  EXPECT_TRUE(head.request.keep_alive);
  EXPECT_EQ(head.body, BodyFraming::None);

  // Whether the client keeps the connection, by version and Connection.
  EXPECT_FALSE(
      head_of("GET / HTTP/1.1\r\nHost: a\r\nConnection: Close\r\n\r\n").request.keep_alive);
  EXPECT_FALSE(head_of("GET / HTTP/1.0\r\n\r\n").request.keep_alive);
  EXPECT_TRUE(head_of("GET / HTTP/1.0\r\nConnection: x, keep-alive\r\n\r\n").request.keep_alive);

  const Head post = head_of("POST /api/stop HTTP/1.1\r\nHost: a\r\ncontent-length: 12\r\n\r\n");
  EXPECT_EQ(post.body, BodyFraming::Length);
  EXPECT_EQ(post.request.body_bytes, 12u);
  EXPECT_EQ(head_of("POST / HTTP/1.1\r\nHost: a\r\nTransfer-Encoding: Chunked\r\n\r\n").body,
            BodyFraming::Chunked);
  // The same length twice says nothing new.
  EXPECT_EQ(refusal("POST / HTTP/1.1\r\nHost: a\r\nContent-Length: 3\r\nContent-Length: 3\r\n\r\n"),
            0);
}

TEST(RequestHead, AHeadInPiecesWaitsForTheRest) {
  const std::string text = "GET /api/state HTTP/1.1\r\nHost: localhost\r\n\r\n";
  for (std::size_t n = 0; n < text.size(); ++n) EXPECT_EQ(refusal(text.substr(0, n)), -1) << n;
  EXPECT_EQ(refusal(text), 0);
}

TEST(RequestHead, WhatIsNotPlainlyFramedIsRefused) {
  struct Case {
    const char* why;
    std::string text;
    int status;
  };
  const std::string get = "GET / HTTP/1.1\r\nHost: localhost\r\n";
  const std::string post = "POST /api/stop HTTP/1.1\r\nHost: localhost\r\n";
  const std::vector<Case> cases = {
      {"no colon", get + "Authorization Bearer x\r\n\r\n", 400},
      {"blank before the colon", get + "Host : x\r\n\r\n", 400},
      {"folded line", get + "X-A: 1\r\n 2\r\n\r\n", 400},
      {"NUL in a value", get + std::string("X-A: a\0b\r\n\r\n", 13), 400},
      {"NUL in the target", std::string("GET /a\0b HTTP/1.1\r\nHost: a\r\n\r\n", 30), 400},
      {"control in a value",
       get + "X-A: a\x01"
             "b\r\n\r\n",
       400},
      {"LF alone", "GET / HTTP/1.1\nHost: a\n\n", 400},
      {"CR alone", get + "X-A: a\rb\r\n\r\n", 400},
      {"length and coding", post + "Content-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n", 400},
      {"coding and length", post + "Transfer-Encoding: chunked\r\nContent-Length: 5\r\n\r\n", 400},
      {"two lengths", post + "Content-Length: 5\r\nContent-Length: 6\r\n\r\n", 400},
      {"a list of lengths", post + "Content-Length: 5, 5\r\n\r\n", 400},
      {"a signed length", post + "Content-Length: +5\r\n\r\n", 400},
      {"an empty length", post + "Content-Length: \r\n\r\n", 400},
      {"xchunked", post + "Transfer-Encoding: xchunked\r\n\r\n", 400},
      {"chunked, identity", post + "Transfer-Encoding: chunked, identity\r\n\r\n", 400},
      {"gzip, chunked", post + "Transfer-Encoding: gzip, chunked\r\n\r\n", 400},
      {"two codings", post + "Transfer-Encoding: chunked\r\nTransfer-Encoding: chunked\r\n\r\n",
       400},
      {"a coding in 1.0", "POST / HTTP/1.0\r\nTransfer-Encoding: chunked\r\n\r\n", 400},
      {"two hosts", get + "Host: evil.example\r\n\r\n", 400},
      {"two keys", get + "Authorization: a\r\nAuthorization: b\r\n\r\n", 400},
      {"no host in 1.1", "GET / HTTP/1.1\r\n\r\n", 400},
      {"two blanks", "GET  / HTTP/1.1\r\nHost: a\r\n\r\n", 400},
      {"a blank at the end", "GET / HTTP/1.1 \r\nHost: a\r\n\r\n", 400},
      {"no version", "GET /\r\nHost: a\r\n\r\n", 400},
      {"no method", " / HTTP/1.1\r\nHost: a\r\n\r\n", 400},
      {"garbage", "GARBAGE\r\n\r\n", 400},
      {"a version of words", "GET / HTTP/one\r\nHost: a\r\n\r\n", 400},
      {"HTTP/2.0", "GET / HTTP/2.0\r\nHost: a\r\n\r\n", 505},
      {"HTTP/1.2", "GET / HTTP/1.2\r\nHost: a\r\n\r\n", 505},
      {"HTTP/0.9", "GET / HTTP/0.9\r\n\r\n", 505},
      {"a body too long", post + "Content-Length: 1025\r\n\r\n", 413},
      {"a length beyond any number", post + "Content-Length: 99999999999999999999999\r\n\r\n", 413},
      {"a head too long", get + "X-Big: " + std::string(kMaxHeaderBytes, 'a'), 413},
  };
  for (const Case& c : cases) EXPECT_EQ(refusal(c.text), c.status) << c.why;
  // A malformed line is refused at once, without waiting for the head's end.
  EXPECT_EQ(refusal(get + "broken\r\n"), 400);
  EXPECT_EQ(refusal("GET / HTTP/1.1\nHost"), 400);
}

// The status a chunked body is refused with, 0 when taken (and then its
// data's size in `bytes`), -1 while it waits for more.
int chunked(std::string_view received, std::size_t* bytes = nullptr) {
  const std::optional<Taken<std::size_t>> taken = take_chunked_body(received);
  if (!taken) return -1;
  if (const auto* response = std::get_if<Response>(&taken->result)) return response->status;
  if (bytes) *bytes = std::get<std::size_t>(taken->result);
  EXPECT_EQ(taken->length, received.size()) << received;
  return 0;
}

TEST(RequestHead, ChunkedBodiesAreReadToTheirEndAndBounded) {
  std::size_t bytes = 0;
  EXPECT_EQ(chunked("5\r\nhello\r\n6;name=x\r\n world\r\n0\r\n\r\n", &bytes), 0);
  EXPECT_EQ(bytes, 11u);
  EXPECT_EQ(chunked("0\r\nX-Trailer: 1\r\n\r\n"), 0);
  const std::string whole = "5\r\nhello\r\n0\r\n\r\n";
  for (std::size_t n = 0; n < whole.size(); ++n) EXPECT_EQ(chunked(whole.substr(0, n)), -1) << n;

  EXPECT_EQ(chunked("5\r\nhelloX\r\n0\r\n\r\n"), 400);  // the data longer than said
  EXPECT_EQ(chunked("x\r\nhello\r\n0\r\n\r\n"), 400);   // no size
  EXPECT_EQ(chunked("5 junk\r\nhello\r\n0\r\n\r\n"), 400);
  EXPECT_EQ(chunked("5\nhello\r\n0\r\n\r\n"), 400);  // LF alone
  EXPECT_EQ(chunked("0\r\nno colon\r\n\r\n"), 400);
  EXPECT_EQ(chunked("401\r\n"), 413);  // 1025 bytes of data
  EXPECT_EQ(chunked("200\r\n" + std::string(512, 'a') + "\r\n201\r\n"), 413);
  EXPECT_EQ(chunked("ffffffffffffffffffffffff\r\n"), 413);
  EXPECT_EQ(chunked("0;" + std::string(2 * kMaxHeaderBytes, 'x')), 413);  // framing beyond measure
}

}  // namespace
}  // namespace kolvar::remote
