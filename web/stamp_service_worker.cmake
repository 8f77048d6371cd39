# Writes PAGE/service-worker.js from TEMPLATE with @PAGE_VERSION@ set to a
# digest of the page's files.
set(digests "")
foreach(file index.html lembovari.js lembovari.wasm manifest.webmanifest lembovari.png)
    file(SHA256 ${PAGE}/${file} digest)
    string(APPEND digests ${digest})
endforeach()
string(SHA256 PAGE_VERSION "${digests}")
string(SUBSTRING ${PAGE_VERSION} 0 16 PAGE_VERSION)
configure_file(${TEMPLATE} ${PAGE}/service-worker.js @ONLY)
