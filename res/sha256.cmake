# Writes ZIP.sha256 in the form sha256sum reads: "<hash>  <file name>".
file(SHA256 ${ZIP} hash)
get_filename_component(name ${ZIP} NAME)
file(WRITE ${ZIP}.sha256 "${hash}  ${name}\n")
