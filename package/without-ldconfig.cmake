# Run by CPack after it made the package: CPack's DEB generator gives every
# package with a shared library below /usr/lib/<folder>/ a postinst and a
# postrm that call ldconfig. The libraries of this package are its programs'
# own, loaded by path, so the calls do nothing; and a postrm would keep the
# package's record in dpkg's database after "apt-get remove" until it is
# purged. The package is made again without the two scripts.
find_program(dpkg_deb dpkg-deb REQUIRED)
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree "${deb}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND ${dpkg_deb} --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE "${tree}/DEBIAN/postinst" "${tree}/DEBIAN/postrm")
  execute_process(
    COMMAND ${dpkg_deb} --root-owner-group -Z${CPACK_DEBIAN_COMPRESSION_TYPE} --build "${tree}" "${deb}"
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
