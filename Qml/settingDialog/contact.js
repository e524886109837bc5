.pragma library

// How users reach the maker: shown on the about page. Change the addresses here and nowhere else.
var webSite = "https://www.velora-audio.example"
// Shown without its scheme, which leaves the line room in every language.
var webSiteText = webSite.replace(/^https?:\/\//, "")
var email = "support@velora-audio.example"
var messagingAccount = "VeloraAudio"
var videoAccount = "Velora Audio"
var videoChannel = "https://video.velora-audio.example/@VeloraAudio"
var microBlogAccount = "@VeloraAudio"
var microBlog = "https://social.velora-audio.example/VeloraAudio"

// An account line's translated label with the account put in its place. A language where the account
// is not offered translates the label to a blank, which is then shown as it is.
function accountLine(label, account) {
    return label.replace("%1", account)
}
