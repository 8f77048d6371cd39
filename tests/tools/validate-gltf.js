// validate-gltf.js VALIDATOR_FOLDER FILE.glb...: runs the Khronos glTF
// validator over each file and prints each one's count of errors and
// warnings with the first messages; exits 1 when any file has an error.
'use strict';
const fs = require('fs');
const path = require('path');
const validator = require(path.resolve(process.argv[2], 'node_modules', 'gltf-validator'));

async function main() {
    let failed = false;
    for (const file of process.argv.slice(3)) {
        const report = await validator.validateBytes(new Uint8Array(fs.readFileSync(file)));
        const issues = report.issues;
        console.log(`${path.basename(file)}: ${issues.numErrors} errors, ` +
                    `${issues.numWarnings} warnings`);
        for (const m of issues.messages.slice(0, 5))
            console.log(`  ${m.severity === 0 ? 'error' : 'note'} ${m.code} ${m.pointer || ''}: ${m.message}`);
        failed = failed || issues.numErrors > 0;
    }
    process.exit(failed ? 1 : 0);
}
main().catch((e) => { console.error(e.message); process.exit(1); });
