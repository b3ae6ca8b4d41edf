#pragma once
// The program's fixed links: the music search service, the two partner links
// and the footer notice with its mail address, kept together here.

namespace web {

inline constexpr const char* SearchBase = "https://music-search.example";
inline constexpr const char* SearchPath = "/Search/Search.asp";
inline constexpr int AffiliateNumber = 1024;
inline constexpr const char* BurnLink = "https://dvd-to-cd.example/";
inline constexpr const char* DownloadLink = "https://unlimited-mp3.example/";
inline constexpr const char* FooterNotice = "2026 Quilby MP3 Player team";
inline constexpr const char* FooterMail = "mailto:player@quilby.example";

}  // namespace web
