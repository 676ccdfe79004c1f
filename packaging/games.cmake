# Run by CPack after the install into its staging folder, before the package
# is made: a package in the games section keeps its program in /usr/games.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/forestfire")
foreach(program IN LISTS programs)
  get_filename_component(bin "${program}" DIRECTORY)
  get_filename_component(prefix "${bin}" DIRECTORY)
  file(MAKE_DIRECTORY "${prefix}/games")
  file(RENAME "${program}" "${prefix}/games/forestfire")
  file(REMOVE_RECURSE "${bin}")  # empty now
endforeach()
